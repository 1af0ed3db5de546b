#include "BenchLine.h"

#include "RadioSimulator.h"

#include <cstdio>

bool BenchLine::open(RadioSimulator& radio, QString* error)
{
    if (!radio.start()) {
        *error = radio.errorString();
        return false;
    }
    if (!m_programFolder.isValid() ||
        !m_portLink.create(m_programFolder.path(), Port, radio.slavePath(), error))
        return false;
    const ComPortDevices devices(m_programFolder.path());
    m_port = std::make_unique<QtSerialPort>(devices);
    m_link = std::make_unique<Link>(*m_port, devices);
    m_link->setPortNumber(Port);
    if (!m_link->openPort()) {
        *error = QStringLiteral("cannot open %1: %2").arg(radio.slavePath(), m_port->errorString());
        return false;
    }
    return true;
}

std::nullopt_t benchFailed(const QString& why)
{
    std::fprintf(stderr, "qv3307-bench: %s\n", qPrintable(why));
    return std::nullopt;
}

#include "LinkBenchmarks.h"

#include "PortLink.h"
#include "ProcessClock.h"
#include "RadioSimulator.h"
#include "link/Link.h"
#include "link/QtSerialPort.h"

#include <QTemporaryDir>

#include <cstdio>

namespace {
std::nullopt_t failed(const QString& why)
{
    std::fprintf(stderr, "qv3307-bench: %s\n", qPrintable(why));
    return std::nullopt;
}

constexpr int BenchPort = 1;
} // namespace

std::optional<double> handshakeSilentCpuShare()
{
    RadioFaults silent;
    silent.silent = true;
    RadioSimulator radio;
    radio.setFaults(silent);
    if (!radio.start())
        return failed(radio.errorString());

    QTemporaryDir programFolder;
    PortLink portLink;
    QString error;
    if (!programFolder.isValid() ||
        !portLink.create(programFolder.path(), BenchPort, radio.slavePath(), &error))
        return failed(error);

    const ComPortDevices devices(programFolder.path());
    QtSerialPort port(devices);
    Link link(port, devices);
    if (!link.openPort(BenchPort))
        return failed(
            QStringLiteral("cannot open %1: %2").arg(radio.slavePath(), port.errorString()));
    link.setDataArrived(false);

    const ProcessClock start = ProcessClock::now();
    const bool answered = link.Handshake(Link::Wait::UntilData);
    const double share = ProcessClock::now().cpuShareSince(start);
    link.closePort();
    if (answered)
        return failed(QStringLiteral("the silent radio answered the hello"));
    return share;
}

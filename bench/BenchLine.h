#pragma once

#include "PortLink.h"
#include "link/ComPortDevices.h"
#include "link/Link.h"
#include "link/QtSerialPort.h"

#include <QString>
#include <QTemporaryDir>

#include <memory>
#include <optional>

class RadioSimulator;

// The program's link on COM1 of a temporary program folder, leading to a simulated radio.
class BenchLine
{
public:
    static constexpr int Port = 1;

    // Starts the radio, maps COM1 to it and opens the program's port; false with `error`.
    bool open(RadioSimulator& radio, QString* error);

    Link& link() { return *m_link; }

private:
    QTemporaryDir m_programFolder;
    PortLink m_portLink;
    std::unique_ptr<QtSerialPort> m_port;
    std::unique_ptr<Link> m_link;
};

// Says why a benchmark could not measure, and gives no figure.
std::nullopt_t benchFailed(const QString& why);

#pragma once

#include "link/ComPortDevices.h"
#include "link/Link.h"
#include "link/QtSerialPort.h"

#include <memory>

// The serial port and the link the radio commands use on COMn: the device ComPortDevices
// finds for the port, the real serial port on it, and the link over that port. The window
// keeps one for its whole run and moves it to the port the user checks; the command line
// makes one for the port it was given.
class ComPortConnection
{
public:
    explicit ComPortConnection(const ComPortDevices& devices, int portNumber = 1);
    ComPortConnection(const ComPortConnection&) = delete;
    ComPortConnection& operator=(const ComPortConnection&) = delete;

    SerialPort& serialPort() { return *m_serialPort; }
    Link& link() { return *m_link; }
    const Link& link() const { return *m_link; }

private:
    std::unique_ptr<QtSerialPort> m_serialPort;
    std::unique_ptr<Link> m_link;
};

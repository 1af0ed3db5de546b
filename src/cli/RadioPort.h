#pragma once

#include "link/ComPortChoices.h"
#include "link/ComPortConnection.h"

#include "link/PortDiagnosis.h"

#include <QString>

#include <memory>

// The serial port a command was given: COM1 to COM4, found exactly as the window finds it
// (the cable chosen for the port in the window's settings file, which is only read here,
// then the program folder's link and the usual devices), or a device path. A device path is reached
// through the same lookup, as the device chosen for COM1 in this run alone, so that both go
// through one way of opening a port.
class RadioPort
{
public:
    // Nothing for a name that is neither COM1 to COM4 nor a path.
    static std::unique_ptr<RadioPort> create(const QString& programFolder,
                                             const QString& settingsFolder, const QString& name);

    // How the user named it: "COM1", or the device path as given.
    const QString& name() const { return m_name; }
    // How the user named it and the device it leads to, such as "COM1 (/dev/ttyUSB0)".
    QString description() const;
    QString devicePath() const;

    Link& link() { return m_connection.link(); }
    const Link& link() const { return m_connection.link(); }
    // Checks that the port can be opened, then opens it.
    bool open();
    // Why the port could not be opened, after open() failed.
    PortDiagnosis diagnoseOpening() const;
    void close();

private:
    RadioPort(const QString& name, const QString& folder, ComPortChoices choices, int portNumber);

    QString m_name;
    // The connection's devices look the port's choice up here.
    ComPortChoices m_choices;
    ComPortConnection m_connection;
};

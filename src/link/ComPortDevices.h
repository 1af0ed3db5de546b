#pragma once

#include <QString>

// Which device stands behind "COMn". First a symbolic link dosdevices/comN in the program
// folder (so a user can map COM3 to /dev/ttyACM0, and tests map a port to a
// pseudo-terminal), then /dev/ttyUSB(n-1) for USB-serial cables, then /dev/ttyS(n-1).
class ComPortDevices
{
public:
    explicit ComPortDevices(QString programFolder, QString deviceRoot = QStringLiteral("/dev"));

    // The device "COMn" opens. When none of the candidates exists, the last one is given,
    // so that the error names a real path.
    QString devicePath(int portNumber) const;
    // The link the user can make to map a port: <program folder>/dosdevices/comN.
    QString linkPath(int portNumber) const;

private:
    QString m_programFolder;
    QString m_deviceRoot;
};

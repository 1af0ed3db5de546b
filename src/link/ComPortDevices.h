#pragma once

#include <QList>
#include <QString>

class ComPortChoices;

// Which device stands behind "COMn". First the device the user tied to the port by name
// (kept in the settings file), then a symbolic link dosdevices/comN in the program folder
// (so a user can map COM3 to /dev/ttyACM0, and tests map a port to a pseudo-terminal),
// then /dev/ttyUSB(n-1) for USB-serial cables, then /dev/ttyS(n-1).
class ComPortDevices
{
public:
    // COM1 to COM4: the ports the window offers and the command line takes.
    static constexpr int PortCount = 4;

    // Where a port's device came from.
    enum class Source { Chosen, Link, UsbDevice, BuiltInPort };

    struct Resolution
    {
        QString path;
        Source source = Source::BuiltInPort;
    };

    // `choices` (may be null) must outlive this object and its copies, which all see the
    // same choices.
    explicit ComPortDevices(QString programFolder, QString deviceRoot = QStringLiteral("/dev"),
                            const ComPortChoices* choices = nullptr);

    void setChoices(const ComPortChoices* choices) { m_choices = choices; }
    const ComPortChoices* choices() const { return m_choices; }

    // The device "COMn" opens and where it came from. A chosen device that is not plugged
    // in stays the port's device, so that the port reports it missing instead of opening
    // another. When none of the other candidates exists, the last one is given, so that the
    // error names a real path.
    Resolution resolve(int portNumber) const;
    QString devicePath(int portNumber) const { return resolve(portNumber).path; }
    // The ports among COM1 to COM4 whose device is there now, each device once: a port that
    // leads where an earlier one does is left out, as both cannot have it open.
    QList<int> presentPorts() const;
    // The link the user can make to map a port: <program folder>/dosdevices/comN.
    QString linkPath(int portNumber) const;

private:
    QString m_programFolder;
    QString m_deviceRoot;
    const ComPortChoices* m_choices = nullptr;
};

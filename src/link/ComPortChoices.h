#pragma once

#include <QList>
#include <QMap>
#include <QString>

class SettingsFile;

// The serial devices the user tied to COM ports, each by its stable name, kept in the
// settings file as [open] comNdevice=<name>. A port without a choice is looked up the
// usual way.
class ComPortChoices
{
public:
    static inline const QString Section = QStringLiteral("open");
    // "com2device" for COM2.
    static QString key(int portNumber);

    // The choices the settings file holds for these ports.
    static ComPortChoices read(const SettingsFile& file, const QList<int>& portNumbers);

    // The name chosen for the port; empty when none is.
    QString device(int portNumber) const { return m_devices.value(portNumber); }
    bool hasChoice(int portNumber) const { return m_devices.contains(portNumber); }

    // Ties the port to a device and writes it through to the file; false when the file could
    // not be written (the choice holds for this run all the same).
    bool choose(SettingsFile& file, int portNumber, const QString& deviceName);
    // Ties the port to a device for this run only; the settings file is not touched.
    void tie(int portNumber, const QString& deviceName)
    {
        m_devices.insert(portNumber, deviceName);
    }
    // Unties the port and removes its key from the file.
    bool forget(SettingsFile& file, int portNumber);

private:
    QMap<int, QString> m_devices;
};

#pragma once

#include "link/ComPortChoices.h"
#include "link/ComPortDevices.h"
#include "link/SerialDeviceList.h"
#include "workspace/Language.h"

#include <QList>
#include <QString>

#include <optional>

class SettingsFile;

// What the COM port page shows and what its buttons do: the serial devices present, the
// device each COM button leads to, a cable to suggest, and tying a COM port to a device by
// its stable name or forgetting that tie. The page widget only shows these texts and
// forwards its clicks.
class ComPortPageState
{
public:
    ComPortPageState(const ComPortDevices& devices, ComPortChoices& choices,
                     SerialDeviceList deviceList = SerialDeviceList());

    // Looks at the devices present again; true when they changed.
    bool refresh();
    const QList<SerialDevice>& presentDevices() const { return m_present; }

    // "→ /dev/ttyUSB0 — CP2102 ... (10c4:ea60)"; a device that is not there is marked.
    QString portLine(int portNumber, Language language) const;

    // The one USB-serial cable present, while the port has no device chosen.
    std::optional<SerialDevice> suggestion(int portNumber) const;
    QString suggestionText(int portNumber, Language language) const;

    bool canForget(int portNumber) const { return m_choices.hasChoice(portNumber); }
    // Ties the port to the present device at `deviceIndex`; false when there is no such
    // device or the settings file could not be written.
    bool use(SettingsFile& file, int portNumber, int deviceIndex);
    bool forget(SettingsFile& file, int portNumber);

    static QString useCaption(int portNumber, Language language);
    static QString forgetCaption(int portNumber, Language language);
    static QString listCaption(Language language);

private:
    const ComPortDevices& m_devices;
    ComPortChoices& m_choices;
    SerialDeviceList m_deviceList;
    QList<SerialDevice> m_present;
};

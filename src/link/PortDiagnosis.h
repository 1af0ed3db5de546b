#pragma once

#include "link/SerialDevice.h"

#include <QList>
#include <QString>

#include <optional>

// A process that holds or uses a serial device.
struct PortHolder
{
    qint64 pid = 0;
    QString name;              // the program's name, such as "ModemManager"
    bool fromLockFile = false; // it holds the device's lock file, not merely the device
};

// Why a serial port cannot be used: what the user is told under the numbered message.
struct PortDiagnosis
{
    enum class Cause {
        Missing,          // no such device: the cable is not plugged in, or another port is chosen
        PermissionDenied, // the user may not open the device (the dialout group)
        Busy,             // another process holds the device
        NoAnswer,         // the port opened, but the radio did not answer
        WrongAnswer,      // something answered, but not as the radio does
        Unusable,         // the device is no serial port, or did not open as one
    };

    Cause cause = Cause::Missing;
    QString device;
    std::optional<PortHolder> holder;   // Busy: who holds it, when that can be seen
    QList<SerialDevice> presentDevices; // Missing: the serial devices there are instead
};

#pragma once

#include "link/ComPortDevices.h"
#include "link/PortDiagnostics.h"
#include "link/SerialDevice.h"

#include <QJsonObject>
#include <QList>
#include <QStringList>

#include <functional>

// What `ports` finds: the serial devices present and where each of COM1 to COM4 leads.
namespace PortsJson {

// The COM ports that lead to the device, such as {"COM1"}.
QStringList comPortsLeadingTo(const SerialDevice& device, const ComPortDevices& devices);

// Opens the device as a write would and lets it go at once; whether it could.
using Probe = std::function<bool(const QString& devicePath)>;

// {"devices": [...], "ports": [...]}. A device is {"path", "stableName", "description",
// "usbId" ("10c4:ea60"), "comPorts"}, null for what it does not have. A port is
// {"port": "COM1", "device", "source" ("chosen", "link", "usb" or "builtIn"), "cable" (the
// stable name it was chosen by, or its device's), "present", "state", "heldBy"}. The state
// is what a write would meet: "free" when the probe opens the device, else why not, as a
// write's error gives it: "missing", "noPermission", "held" (with "heldBy": {"pid",
// "program"} when the holder can be seen; null otherwise) or "unusable".
QJsonObject ports(const QList<SerialDevice>& present, const ComPortDevices& devices,
                  const Probe& probe, const PortDiagnostics& diagnostics);

} // namespace PortsJson

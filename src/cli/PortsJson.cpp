#include "cli/PortsJson.h"

#include "link/ComPortChoices.h"
#include "link/SerialDeviceList.h"

#include <QFileInfo>
#include <QJsonArray>

namespace PortsJson {

namespace {

QJsonValue textOrNull(const QString& text)
{
    return text.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(text);
}

QString usbId(const SerialDevice& device)
{
    if (!device.hasUsbIds)
        return {};
    return QStringLiteral("%1:%2")
        .arg(device.vendorId, 4, 16, QLatin1Char('0'))
        .arg(device.productId, 4, 16, QLatin1Char('0'));
}

QJsonObject deviceObject(const SerialDevice& device, const ComPortDevices& devices)
{
    return {{QStringLiteral("path"), device.path},
            {QStringLiteral("stableName"), textOrNull(device.stableName)},
            {QStringLiteral("description"), textOrNull(device.description)},
            {QStringLiteral("usbId"), textOrNull(usbId(device))},
            {QStringLiteral("comPorts"),
             QJsonArray::fromStringList(comPortsLeadingTo(device, devices))}};
}

QString sourceName(ComPortDevices::Source source)
{
    switch (source) {
    case ComPortDevices::Source::Chosen:
        return QStringLiteral("chosen");
    case ComPortDevices::Source::Link:
        return QStringLiteral("link");
    case ComPortDevices::Source::UsbDevice:
        return QStringLiteral("usb");
    case ComPortDevices::Source::BuiltInPort:
        break;
    }
    return QStringLiteral("builtIn");
}

QString stateName(PortDiagnosis::Cause cause)
{
    switch (cause) {
    case PortDiagnosis::Cause::Missing:
        return QStringLiteral("missing");
    case PortDiagnosis::Cause::PermissionDenied:
        return QStringLiteral("noPermission");
    case PortDiagnosis::Cause::Busy:
        return QStringLiteral("held");
    case PortDiagnosis::Cause::NoAnswer:
    case PortDiagnosis::Cause::WrongAnswer:
    case PortDiagnosis::Cause::Unusable:
        break;
    }
    return QStringLiteral("unusable");
}

// The port's state, with who holds it.
void addState(QJsonObject& port, const QString& path, const Probe& probe,
              const PortDiagnostics& diagnostics)
{
    QJsonValue heldBy = QJsonValue::Null;
    QString state = QStringLiteral("free");
    if (!QFileInfo::exists(path)) {
        state = QStringLiteral("missing");
    } else if (!probe(path)) {
        const PortDiagnosis diagnosis = diagnostics.diagnoseOpening(path);
        state = stateName(diagnosis.cause);
        if (diagnosis.holder)
            heldBy = QJsonObject{{QStringLiteral("pid"), diagnosis.holder->pid},
                                 {QStringLiteral("program"), diagnosis.holder->name}};
    }
    port.insert(QStringLiteral("present"), state != QLatin1String("missing"));
    port.insert(QStringLiteral("state"), state);
    port.insert(QStringLiteral("heldBy"), heldBy);
}

QJsonObject portObject(int number, const QList<SerialDevice>& present,
                       const ComPortDevices& devices, const Probe& probe,
                       const PortDiagnostics& diagnostics)
{
    const ComPortDevices::Resolution resolution = devices.resolve(number);
    QString cable;
    if (devices.choices() && devices.choices()->hasChoice(number))
        cable = devices.choices()->device(number);
    else if (const std::optional<SerialDevice> device =
                 SerialDeviceList::find(present, resolution.path))
        cable = device->stableName;
    QJsonObject port{{QStringLiteral("port"), QStringLiteral("COM%1").arg(number)},
                     {QStringLiteral("device"), resolution.path},
                     {QStringLiteral("source"), sourceName(resolution.source)},
                     {QStringLiteral("cable"), textOrNull(cable)}};
    addState(port, resolution.path, probe, diagnostics);
    return port;
}

} // namespace

QStringList comPortsLeadingTo(const SerialDevice& device, const ComPortDevices& devices)
{
    QStringList ports;
    for (int number = 1; number <= ComPortDevices::PortCount; ++number)
        if (SerialDeviceList::find({device}, devices.devicePath(number)))
            ports << QStringLiteral("COM%1").arg(number);
    return ports;
}

QJsonObject ports(const QList<SerialDevice>& present, const ComPortDevices& devices,
                  const Probe& probe, const PortDiagnostics& diagnostics)
{
    QJsonArray deviceArray;
    for (const SerialDevice& device : present)
        deviceArray.append(deviceObject(device, devices));
    QJsonArray portArray;
    for (int number = 1; number <= ComPortDevices::PortCount; ++number)
        portArray.append(portObject(number, present, devices, probe, diagnostics));
    return {{QStringLiteral("devices"), deviceArray}, {QStringLiteral("ports"), portArray}};
}

} // namespace PortsJson

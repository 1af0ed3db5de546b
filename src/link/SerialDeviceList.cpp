#include "link/SerialDeviceList.h"

#include <QDir>
#include <QFileInfo>
#include <QSerialPortInfo>

#include <algorithm>

QString SerialDevice::label() const
{
    QString text = description;
    if (text.isEmpty())
        text = stableName.isEmpty() ? path : QFileInfo(stableName).fileName();
    if (hasUsbIds) {
        text += QStringLiteral(" (%1:%2)")
                    .arg(vendorId, 4, 16, QLatin1Char('0'))
                    .arg(productId, 4, 16, QLatin1Char('0'));
    }
    return text;
}

QString SerialDevice::nameAndLabel() const
{
    const QString text = label();
    return text == name() ? text : QStringLiteral("%1 — %2").arg(name(), text);
}

bool SerialDevice::isUsb() const
{
    return hasUsbIds || QFileInfo(stableName).fileName().startsWith(QLatin1String("usb-"));
}

SerialDeviceList::SerialDeviceList(QString byIdFolder, SystemPorts systemPorts)
    : m_byIdFolder(std::move(byIdFolder)), m_systemPorts(std::move(systemPorts))
{
    if (!m_systemPorts)
        m_systemPorts = &SerialDeviceList::systemDevices;
}

QList<SerialDevice> SerialDeviceList::systemDevices()
{
    QList<SerialDevice> devices;
    const QList<QSerialPortInfo> ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo& port : ports) {
        SerialDevice device;
        device.path = port.systemLocation();
        device.description = port.description();
        device.hasUsbIds = port.hasVendorIdentifier() && port.hasProductIdentifier();
        device.vendorId = port.vendorIdentifier();
        device.productId = port.productIdentifier();
        devices.append(device);
    }
    return devices;
}

QList<SerialDevice> SerialDeviceList::devices() const
{
    QList<SerialDevice> devices = m_systemPorts();
    const QDir byId(m_byIdFolder);
    const QFileInfoList links = byId.entryInfoList(QDir::System | QDir::Files, QDir::Name);
    for (const QFileInfo& link : links) {
        const QString target = link.canonicalFilePath();
        if (!link.isSymLink() || target.isEmpty())
            continue; // a dangling link: its device has gone
        const auto same = [&target](const SerialDevice& device) {
            return QFileInfo(device.path).canonicalFilePath() == target || device.path == target;
        };
        const auto known = std::find_if(devices.begin(), devices.end(), same);
        if (known != devices.end()) {
            if (known->stableName.isEmpty())
                known->stableName = link.absoluteFilePath();
            continue;
        }
        SerialDevice device;
        device.path = target;
        device.stableName = link.absoluteFilePath();
        devices.append(device);
    }
    std::sort(devices.begin(), devices.end(),
              [](const SerialDevice& a, const SerialDevice& b) { return a.path < b.path; });
    return devices;
}

std::optional<SerialDevice> SerialDeviceList::find(const QList<SerialDevice>& devices,
                                                   const QString& name)
{
    const QString target = QFileInfo(name).canonicalFilePath();
    for (const SerialDevice& device : devices) {
        if (device.stableName == name || device.path == name ||
            (!target.isEmpty() && QFileInfo(device.path).canonicalFilePath() == target))
            return device;
    }
    return std::nullopt;
}

std::optional<SerialDevice> SerialDeviceList::soleUsbCable(const QList<SerialDevice>& devices)
{
    std::optional<SerialDevice> cable;
    for (const SerialDevice& device : devices) {
        if (!device.isUsb())
            continue;
        if (cable)
            return std::nullopt;
        cable = device;
    }
    return cable;
}

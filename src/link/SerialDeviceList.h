#pragma once

#include "link/SerialDevice.h"

#include <QList>
#include <QString>

#include <functional>
#include <optional>

// Every serial device present: the ones the system lists (with description and USB vendor
// and product), joined with their stable names from the by-id folder. A by-id link whose
// device the system does not list (a pseudo-terminal, say) still counts as a device.
class SerialDeviceList
{
public:
    using SystemPorts = std::function<QList<SerialDevice>()>;

    static inline const QString ByIdFolder = QStringLiteral("/dev/serial/by-id");

    // Without `systemPorts`, the devices Qt's serial port information lists.
    explicit SerialDeviceList(QString byIdFolder = ByIdFolder, SystemPorts systemPorts = {});

    // The devices present now, ordered by path.
    QList<SerialDevice> devices() const;

    // The device a name stands for: a stable name, a path, or a link to either.
    static std::optional<SerialDevice> find(const QList<SerialDevice>& devices,
                                            const QString& name);
    // The one USB-serial cable among the devices, when there is exactly one.
    static std::optional<SerialDevice> soleUsbCable(const QList<SerialDevice>& devices);
    // The devices the system lists, without stable names.
    static QList<SerialDevice> systemDevices();

private:
    QString m_byIdFolder;
    SystemPorts m_systemPorts;
};

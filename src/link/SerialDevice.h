#pragma once

#include <QString>

// One serial device present on this machine, as the port page and the port problems name
// it.
struct SerialDevice
{
    QString path;        // the device itself, such as /dev/ttyUSB0
    QString stableName;  // its /dev/serial/by-id/... link, empty when it has none
    QString description; // what the device says it is, such as "CP2102 USB to UART Bridge"
    quint16 vendorId = 0;
    quint16 productId = 0;
    bool hasUsbIds = false;

    // The name to keep for it: the stable name, which survives replugging into another USB
    // socket, or else the path.
    QString name() const { return stableName.isEmpty() ? path : stableName; }
    // "CP2102 USB to UART Bridge Controller (10c4:ea60)"; the by-id name stands in for a
    // missing description.
    QString label() const;
    // "name — label" for lists, or the name alone where the label says nothing more.
    QString nameAndLabel() const;
    // A USB-serial cable rather than a port built into the machine.
    bool isUsb() const;

    bool operator==(const SerialDevice&) const = default;
};

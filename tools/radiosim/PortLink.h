#pragma once

#include <QString>

// The link <program folder>/dosdevices/comN that makes the program's COMn lead to a device.
class PortLink
{
public:
    PortLink() = default;
    ~PortLink();
    PortLink(const PortLink&) = delete;
    PortLink& operator=(const PortLink&) = delete;

    // An earlier link in its place is replaced; anything else there is left alone and the
    // link is not made.
    bool create(const QString& programFolder, int port, const QString& device,
                QString* error = nullptr);
    // Removes the link while it still leads to the device, so that the port falls back to
    // the program's other choices once the device is gone.
    void remove();

    QString path() const { return m_path; }

private:
    QString m_path;
    QString m_device;
};

#include "link/ComPortDevices.h"

#include "link/ComPortChoices.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

ComPortDevices::ComPortDevices(QString programFolder, QString deviceRoot,
                               const ComPortChoices* choices)
    : m_programFolder(std::move(programFolder)), m_deviceRoot(std::move(deviceRoot)),
      m_choices(choices)
{
}

QString ComPortDevices::linkPath(int portNumber) const
{
    return QDir(m_programFolder).filePath(QStringLiteral("dosdevices/com%1").arg(portNumber));
}

ComPortDevices::Resolution ComPortDevices::resolve(int portNumber) const
{
    // Open the device itself rather than a link to it, so that its lock file is the one
    // other programs see.
    const auto deviceBehind = [](const QFileInfo& link) {
        const QString target = link.canonicalFilePath();
        return target.isEmpty() ? link.absoluteFilePath() : target;
    };
    if (m_choices && m_choices->hasChoice(portNumber))
        return {deviceBehind(QFileInfo(m_choices->device(portNumber))), Source::Chosen};
    const QFileInfo link(linkPath(portNumber));
    if (link.isSymLink() || link.exists())
        return {deviceBehind(link), Source::Link};
    const QDir root(m_deviceRoot);
    const QString usb = root.filePath(QStringLiteral("ttyUSB%1").arg(portNumber - 1));
    if (QFileInfo::exists(usb))
        return {usb, Source::UsbDevice};
    return {root.filePath(QStringLiteral("ttyS%1").arg(portNumber - 1)), Source::BuiltInPort};
}

QList<int> ComPortDevices::presentPorts() const
{
    QList<int> present;
    QStringList devices;
    for (int port = 1; port <= PortCount; ++port) {
        const QString device = devicePath(port);
        if (!QFileInfo::exists(device) || devices.contains(device))
            continue;
        devices << device;
        present << port;
    }
    return present;
}

#include "link/ComPortDevices.h"

#include <QDir>
#include <QFileInfo>

ComPortDevices::ComPortDevices(QString programFolder, QString deviceRoot)
    : m_programFolder(std::move(programFolder)), m_deviceRoot(std::move(deviceRoot))
{
}

QString ComPortDevices::linkPath(int portNumber) const
{
    return QDir(m_programFolder).filePath(QStringLiteral("dosdevices/com%1").arg(portNumber));
}

QString ComPortDevices::devicePath(int portNumber) const
{
    const QFileInfo link(linkPath(portNumber));
    if (link.isSymLink() || link.exists()) {
        // Open the device itself, so that its lock file is the one other programs see.
        const QString target = link.canonicalFilePath();
        return target.isEmpty() ? link.absoluteFilePath() : target;
    }
    const QDir root(m_deviceRoot);
    const QString usb = root.filePath(QStringLiteral("ttyUSB%1").arg(portNumber - 1));
    if (QFileInfo::exists(usb))
        return usb;
    return root.filePath(QStringLiteral("ttyS%1").arg(portNumber - 1));
}

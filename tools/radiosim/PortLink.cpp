#include "PortLink.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

PortLink::~PortLink()
{
    remove();
}

bool PortLink::create(const QString& programFolder, int port, const QString& device, QString* error)
{
    const QDir folder(programFolder);
    const QString path = folder.filePath(QStringLiteral("dosdevices/com%1").arg(port));
    const QFileInfo existing(path);
    const auto fail = [error](const QString& text) {
        if (error)
            *error = text;
        return false;
    };
    if (!folder.exists())
        return fail(QStringLiteral("%1: no such folder").arg(programFolder));
    if (existing.exists() && !existing.isSymLink())
        return fail(QStringLiteral("%1 exists and is not a link: left alone").arg(path));
    if (!folder.mkpath(QStringLiteral("dosdevices")))
        return fail(QStringLiteral("cannot create %1").arg(existing.path()));
    if (existing.isSymLink())
        QFile::remove(path);
    if (!QFile::link(device, path))
        return fail(QStringLiteral("cannot create the link %1").arg(path));
    m_path = path;
    m_device = device;
    return true;
}

void PortLink::remove()
{
    if (m_path.isEmpty())
        return;
    if (QFileInfo(m_path).symLinkTarget() == m_device)
        QFile::remove(m_path);
    m_path.clear();
}

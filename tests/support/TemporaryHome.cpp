#include "support/TemporaryHome.h"

#include <QFile>

TemporaryHome::TemporaryHome()
{
    qputenv("HOME", QFile::encodeName(m_dir.path()));
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_dir.filePath(QStringLiteral("data"))));
}

QString TemporaryHome::backupFolder() const
{
    return m_dir.filePath(QStringLiteral("data/qv3307/backups"));
}

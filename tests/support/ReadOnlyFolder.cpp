#include "support/ReadOnlyFolder.h"

ReadOnlyFolder::ReadOnlyFolder(const QString& path)
    : m_path(path), m_previous(QFile::permissions(path))
{
    QFile::setPermissions(m_path, m_previous & ~(QFile::WriteOwner | QFile::WriteUser |
                                                 QFile::WriteGroup | QFile::WriteOther));
}

ReadOnlyFolder::~ReadOnlyFolder()
{
    QFile::setPermissions(m_path, m_previous);
}

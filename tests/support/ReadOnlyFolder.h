#pragma once

#include <QFile>
#include <QString>

// Takes the write permission of a folder away from everyone while it lives, and gives the
// folder its permissions back afterwards, so it can be cleaned up.
class ReadOnlyFolder
{
public:
    explicit ReadOnlyFolder(const QString& path);
    ~ReadOnlyFolder();
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

private:
    QString m_path;
    QFile::Permissions m_previous;
};

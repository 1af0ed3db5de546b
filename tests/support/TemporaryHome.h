#pragma once

#include <QString>
#include <QTemporaryDir>

// A fresh home folder for as long as it lives: HOME and XDG_DATA_HOME (its "data" folder)
// point into it, so the backups a test makes land there and nowhere else.
class TemporaryHome
{
public:
    TemporaryHome();

    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }
    // Where the program keeps its backups below this home.
    QString backupFolder() const;

private:
    QTemporaryDir m_dir;
};

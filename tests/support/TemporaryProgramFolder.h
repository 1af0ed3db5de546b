#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A fresh program folder per test, with helpers to put companion files into it.
class TemporaryProgramFolder
{
public:
    TemporaryProgramFolder();

    QString path() const { return m_dir.path(); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }

    void writeFile(const QString& name, const QByteArray& contents) const;
    QByteArray readFile(const QString& name) const;
    bool exists(const QString& name) const;
    // Maps COMn to a device with the dosdevices/comN link.
    void mapComPort(int portNumber, const QString& devicePath) const;
    // Copies the built program folder's companion files (language tables, skins, ...).
    void copyCompanionFiles() const;

private:
    QTemporaryDir m_dir;
};

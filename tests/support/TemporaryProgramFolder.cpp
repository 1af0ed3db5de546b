#include "support/TemporaryProgramFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

TemporaryProgramFolder::TemporaryProgramFolder() = default;

void TemporaryProgramFolder::writeFile(const QString& name, const QByteArray& contents) const
{
    const QString target = filePath(name);
    QDir().mkpath(QFileInfo(target).path());
    QFile file(target);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(contents);
}

QByteArray TemporaryProgramFolder::readFile(const QString& name) const
{
    QFile file(filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool TemporaryProgramFolder::exists(const QString& name) const
{
    return QFileInfo::exists(filePath(name));
}

void TemporaryProgramFolder::mapComPort(int portNumber, const QString& devicePath) const
{
    QDir().mkpath(filePath(QStringLiteral("dosdevices")));
    const QString link = filePath(QStringLiteral("dosdevices/com%1").arg(portNumber));
    QFile::remove(link);
    QFile::link(devicePath, link);
}

void TemporaryProgramFolder::copyCompanionFiles() const
{
    const QDir source(QStringLiteral(QV3307_PROGRAM_DIR));
    QDirIterator it(source.path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString relative = source.relativeFilePath(file);
        const bool ownedByARun = relative == QLatin1String("qv3307") ||
                                 relative == QLatin1String("qv3307.ini") ||
                                 relative.startsWith(QLatin1String("dosdevices/"));
        if (ownedByARun)
            continue;
        const QString target = filePath(relative);
        QDir().mkpath(QFileInfo(target).path());
        QFile::copy(file, target);
    }
}

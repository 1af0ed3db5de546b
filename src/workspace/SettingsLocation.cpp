#include "workspace/SettingsLocation.h"

#include "workspace/FileIo.h"
#include "workspace/SettingsFile.h"
#include "workspace/UserFolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <unistd.h>

namespace {

// Judged with the effective user and capabilities, as the write itself will be.
bool mayWrite(const QString& path)
{
    return ::faccessat(AT_FDCWD, QFile::encodeName(path).constData(), W_OK, AT_EACCESS) == 0;
}

} // namespace

namespace SettingsLocation {

bool programFolderKeepsSettings(const QString& programFolder)
{
    const QString file = QDir(programFolder).filePath(SettingsFile::FileName);
    // A settings file the user was given in a folder of root's is kept where it is.
    return mayWrite(programFolder) || (QFileInfo::exists(file) && mayWrite(file));
}

namespace {

QString userFolder(const QString& configHome)
{
    const QString home = configHome.isEmpty() ? UserFolders::configHome() : configHome;
    return QDir(home).filePath(SettingsLocation::UserFolderName);
}

} // namespace

QString folderToRead(const QString& programFolder, const QString& configHome)
{
    if (programFolderKeepsSettings(programFolder))
        return programFolder;
    const QString folder = userFolder(configHome);
    return QFileInfo::exists(QDir(folder).filePath(SettingsFile::FileName)) ? folder
                                                                            : programFolder;
}

QString prepareFolder(const QString& programFolder, const QString& configHome)
{
    if (programFolderKeepsSettings(programFolder))
        return programFolder;
    const QString folder = userFolder(configHome);
    QDir().mkpath(folder);
    const QString userFile = QDir(folder).filePath(SettingsFile::FileName);
    const QString shipped = QDir(programFolder).filePath(SettingsFile::FileName);
    if (!QFileInfo::exists(userFile) && QFileInfo::exists(shipped)) {
        const FileIo::ReadOutcome original = FileIo::readFile(shipped);
        if (original.error == 0)
            FileIo::replaceFile(userFile, original.bytes);
    }
    return folder;
}

} // namespace SettingsLocation

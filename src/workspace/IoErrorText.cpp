#include "workspace/IoErrorText.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

namespace {

// A missing folder on the way to the file is a bad name, not a missing file.
bool folderExists(const QString& path)
{
    const QFileInfo folder(QFileInfo(path).absolutePath());
    return folder.isDir();
}

// The folders on the way to `path`, nearest first, up to the first one that exists.
QStringList foldersOnTheWay(const QString& path)
{
    QStringList folders;
    QString folder = QFileInfo(path).path();
    while (!folder.isEmpty()) {
        folders << folder;
        if (QFileInfo::exists(folder))
            break;
        const QString parent = QFileInfo(folder).path();
        if (parent == folder)
            break;
        folder = parent;
    }
    return folders;
}

// The folder nearest the root on the way to `path` that does not exist, if any does not.
QString missingFolder(const QString& path)
{
    QString missing;
    for (const QString& folder : foldersOnTheWay(path)) {
        if (QFileInfo::exists(folder))
            break;
        missing = folder;
    }
    return missing;
}

// The file that stands where a folder on the way to `path` should be, if one does.
QString fileInTheWay(const QString& path)
{
    for (const QString& folder : foldersOnTheWay(path)) {
        const QFileInfo info(folder);
        if (info.exists())
            return info.isDir() ? QString() : folder;
    }
    return {};
}

} // namespace

QString ioErrorText(int error, const QString& path)
{
    switch (error) {
    case ENOENT:
        return folderExists(path) ? QStringLiteral("File not found")
                                  : QStringLiteral("Invalid filename");
    case ENOTDIR:
    case ENAMETOOLONG:
    case EINVAL:
    case EILSEQ:
        return QStringLiteral("Invalid filename");
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
    case EBUSY:
        return QStringLiteral("File access denied");
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return QStringLiteral("Disk full");
    default:
        return QStringLiteral("I/O error %1").arg(error);
    }
}

QString ioErrorCause(int error, const QString& path, Language language)
{
    switch (error) {
    case ENOENT:
        if (const QString folder = missingFolder(path); !folder.isEmpty())
            return inLanguage(language, QStringLiteral("the folder %1 does not exist"),
                              QStringLiteral("文件夹 %1 不存在"))
                .arg(folder);
        return inLanguage(language, "there is no such file", "没有这个文件");
    case ENOTDIR:
    case EEXIST:
        if (const QString file = fileInTheWay(path); !file.isEmpty())
            return inLanguage(language, QStringLiteral("%1 is a file where a folder should be"),
                              QStringLiteral("%1 是文件，而此处应为文件夹"))
                .arg(file);
        break;
    case EACCES:
    case EPERM:
        return inLanguage(language, "permission denied", "没有权限");
    case EROFS:
        return inLanguage(language, "the file system is read-only", "文件系统为只读");
    case EISDIR:
        return inLanguage(language, "it is a folder, not a file", "这是文件夹，不是文件");
    case ETXTBSY:
    case EBUSY:
        return inLanguage(language, "another program is using it", "正被其他程序使用");
    case ENOSPC:
    case EDQUOT:
        return inLanguage(language, "the disk is full", "磁盘已满");
    case EFBIG:
        return inLanguage(language, "the file is too large", "文件过大");
    case ENAMETOOLONG:
        return inLanguage(language, "the name is too long", "名称过长");
    case EINVAL:
    case EILSEQ:
        return inLanguage(language, "the name is not valid", "名称无效");
    default:
        break;
    }
    // The system's own words are English only.
    if (language == Language::Chinese)
        return QStringLiteral("系统错误 %1").arg(error);
    return QStringLiteral("%1 (error %2)")
        .arg(QString::fromLocal8Bit(std::strerror(error)))
        .arg(error);
}

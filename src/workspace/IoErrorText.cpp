#include "workspace/IoErrorText.h"

#include <QFileInfo>

#include <cerrno>

namespace {

// A missing folder on the way to the file is a bad name, not a missing file.
bool folderExists(const QString& path)
{
    const QFileInfo folder(QFileInfo(path).absolutePath());
    return folder.isDir();
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

#include "files/FileIo.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int closeKeepingError(int descriptor, int error)
{
    if (::close(descriptor) != 0 && error == 0)
        return errno;
    return error;
}

int writeAll(int descriptor, const QByteArray& bytes)
{
    const char* next = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(descriptor, next, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return errno;
        if (written == 0)
            return ENOSPC;
        next += written;
        left -= written;
    }
    return 0;
}

// Permissions a newly created file gets: everyone may read and write, less the umask.
mode_t newFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

QString followLink(const QString& path)
{
    const QFileInfo info(path);
    return info.isSymLink() ? info.symLinkTarget() : path;
}

} // namespace

namespace FileIo {

ReadOutcome readFile(const QString& path, qint64 limit)
{
    // Non-blocking, so that a named pipe picked by mistake cannot hang the program.
    const int descriptor =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (descriptor < 0)
        return {{}, errno};
    struct stat status;
    if (::fstat(descriptor, &status) == 0 && S_ISDIR(status.st_mode))
        return {{}, closeKeepingError(descriptor, EISDIR)};

    ReadOutcome outcome;
    char buffer[8192];
    while (outcome.bytes.size() < limit) {
        const qint64 wanted = qMin<qint64>(sizeof buffer, limit - outcome.bytes.size());
        const ssize_t got = ::read(descriptor, buffer, size_t(wanted));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            outcome.error = errno;
            break;
        }
        if (got == 0)
            break;
        outcome.bytes.append(buffer, got);
    }
    outcome.error = closeKeepingError(descriptor, outcome.error);
    if (outcome.error != 0)
        outcome.bytes.clear();
    return outcome;
}

int replaceFile(const QString& path, const QByteArray& bytes)
{
    const QString target = followLink(path);
    const QByteArray targetName = QFile::encodeName(target);
    struct stat existing;
    const bool exists = ::stat(targetName.constData(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode))
        return EISDIR;
    if (exists && ::access(targetName.constData(), W_OK) != 0)
        return errno;

    QByteArray temporaryName =
        QFile::encodeName(QFileInfo(target).absolutePath() + QStringLiteral("/.qv3307-XXXXXX"));
    const int descriptor = ::mkostemp(temporaryName.data(), O_CLOEXEC);
    if (descriptor < 0)
        return errno;

    int error = 0;
    if (::fchmod(descriptor, exists ? existing.st_mode & 07777 : newFileMode()) != 0)
        error = errno;
    if (error == 0)
        error = writeAll(descriptor, bytes);
    if (error == 0 && ::fsync(descriptor) != 0)
        error = errno;
    error = closeKeepingError(descriptor, error);
    if (error == 0 && ::rename(temporaryName.constData(), targetName.constData()) != 0)
        error = errno;
    if (error != 0)
        ::unlink(temporaryName.constData());
    return error;
}

} // namespace FileIo

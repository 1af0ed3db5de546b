#include "workspace/FileIo.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

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

// Creates a file of a fresh name beside `target` for writing. A replacement takes the
// permissions of the file it replaces; a new file gets the usual ones, which the kernel
// works out from the process's umask as it creates it.
int createBeside(const QString& target, const struct stat* existing, QByteArray* name)
{
    const QString folder = QFileInfo(target).absolutePath();
    const mode_t mode = existing ? (existing->st_mode & 07777) : 0666;
    for (int attempt = 0; attempt < 100; ++attempt) {
        *name = QFile::encodeName(
            QStringLiteral("%1/.qv3307-%2")
                .arg(folder)
                .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
        const int descriptor =
            ::open(name->constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (descriptor >= 0 || errno != EEXIST) {
            // open() applies the umask: a replacement's own mode is set in full.
            if (descriptor >= 0 && existing && ::fchmod(descriptor, mode) != 0) {
                const int error = errno;
                ::close(descriptor);
                ::unlink(name->constData());
                errno = error;
                return -1;
            }
            return descriptor;
        }
    }
    return -1;
}

QString followLink(const QString& path)
{
    const QFileInfo info(path);
    return info.isSymLink() ? info.symLinkTarget() : path;
}

// The atomic way: the bytes go to a temporary file beside the target, reach the disk and
// are renamed into place. On failure the temporary file is removed and the target is as
// it was.
int replaceThroughTemporary(const QString& target, const struct stat* existing,
                            const QByteArray& bytes)
{
    QByteArray temporaryName;
    const int descriptor = createBeside(target, existing, &temporaryName);
    if (descriptor < 0)
        return errno;

    int error = writeAll(descriptor, bytes);
    if (error == 0 && ::fsync(descriptor) != 0)
        error = errno;
    error = closeKeepingError(descriptor, error);
    if (error == 0 &&
        ::rename(temporaryName.constData(), QFile::encodeName(target).constData()) != 0)
        error = errno;
    if (error != 0)
        ::unlink(temporaryName.constData());
    return error;
}

// Sets aside the disk space for `size` bytes, so that a full disk stops an in-place write
// before the old contents are touched. Filesystems that cannot set space aside are
// written without it.
int reserveSpace(int descriptor, qint64 size)
{
    if (size == 0)
        return 0;
    int result;
    do {
        result = ::fallocate(descriptor, 0, 0, off_t(size));
    } while (result != 0 && errno == EINTR);
    if (result == 0 || errno == EOPNOTSUPP || errno == ENOSYS)
        return 0;
    return errno;
}

// The way for a file the user may write in a folder the user may not: the file keeps its
// place and is written over from the start, then cut to the new length.
int overwriteInPlace(const QByteArray& name, const QByteArray& bytes)
{
    const int descriptor = ::open(name.constData(), O_WRONLY | O_CLOEXEC | O_NONBLOCK);
    if (descriptor < 0)
        return errno;
    int error = reserveSpace(descriptor, bytes.size());
    if (error == 0)
        error = writeAll(descriptor, bytes);
    if (error == 0 && ::ftruncate(descriptor, off_t(bytes.size())) != 0)
        error = errno;
    if (error == 0 && ::fsync(descriptor) != 0)
        error = errno;
    return closeKeepingError(descriptor, error);
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
    ReadOutcome outcome = readDescriptor(descriptor, limit);
    outcome.error = closeKeepingError(descriptor, outcome.error);
    if (outcome.error != 0)
        outcome.bytes.clear();
    return outcome;
}

ReadOutcome readDescriptor(int descriptor, qint64 limit)
{
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
    if (outcome.error != 0)
        outcome.bytes.clear();
    return outcome;
}

int writeDescriptor(int descriptor, const QByteArray& bytes)
{
    return writeAll(descriptor, bytes);
}

int replaceFile(const QString& path, const QByteArray& bytes)
{
    const QString target = followLink(path);
    const QByteArray targetName = QFile::encodeName(target);
    struct stat existing;
    const bool exists = ::stat(targetName.constData(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode))
        return EISDIR;
    // The rights the program runs with decide, not those of the user who started it.
    if (exists && ::faccessat(AT_FDCWD, targetName.constData(), W_OK, AT_EACCESS) != 0)
        return errno;

    const int error = replaceThroughTemporary(target, exists ? &existing : nullptr, bytes);
    // A folder the user may not write refuses the temporary file, and a sticky folder
    // refuses renaming over another user's file; a file the user may write is then
    // written where it stands.
    if (exists && (error == EACCES || error == EPERM))
        return overwriteInPlace(targetName, bytes);
    return error;
}

} // namespace FileIo

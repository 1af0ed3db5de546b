#include "files/FileIo.h"

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

    QByteArray temporaryName;
    const int descriptor = createBeside(target, exists ? &existing : nullptr, &temporaryName);
    if (descriptor < 0)
        return errno;

    int error = writeAll(descriptor, bytes);
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

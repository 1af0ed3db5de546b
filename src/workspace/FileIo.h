#pragma once

#include <QByteArray>
#include <QString>

// Whole-file reads and writes that keep the operating system's error number, so the
// user is told what went wrong in the system's words (see ioErrorText).
namespace FileIo {

// Channel files and logs are a few kilobytes; reading stops here so that a wrong file
// (a disk image, say) cannot exhaust memory.
constexpr qint64 ReadLimit = 1 << 20;

struct ReadOutcome
{
    QByteArray bytes;
    int error = 0; // errno of the failing call; 0 when the file was read
};

// Reads the file's first `limit` bytes (all of a smaller file).
ReadOutcome readFile(const QString& path, qint64 limit = ReadLimit);
// The same from an open descriptor, such as standard input, until its end; the
// descriptor stays open.
ReadOutcome readDescriptor(int descriptor, qint64 limit = ReadLimit);
// Writes all the bytes to an open descriptor, such as standard output. Returns 0 when
// done, else the errno of the failing call.
int writeDescriptor(int descriptor, const QByteArray& bytes);

// Replaces the file at `path` with `bytes` as one step: the bytes go to a temporary file
// beside it, which is flushed to the disk and renamed into place, so a failure (a full
// disk, a lost device) leaves the previous file whole. A symbolic link is followed and
// the file it names replaced; an existing file keeps its permissions, and one the user
// may not write is refused. Where the folder refuses the temporary file or the rename but
// the file itself may be written, it is written in place instead; the disk space is set
// aside first, so a full disk still leaves the previous file whole. Returns 0 when done,
// else the errno of the failing call.
int replaceFile(const QString& path, const QByteArray& bytes);

} // namespace FileIo

#include "backups/FleetLog.h"

#include "files/CsvRecords.h"
#include "workspace/FileIo.h"
#include "workspace/UserFolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
const QByteArray LineEnd = "\r\n";

// What a spreadsheet reads as the start of a formula.
bool startsLikeAFormula(const QString& field)
{
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    return !field.isEmpty() && formulaStarts.contains(field.front());
}

// Whether the file, not empty, ends without a line break: a row typed in by hand, say. The
// new row must not run on from it.
bool endsMidLine(int descriptor, off_t size)
{
    char last = 0;
    return size > 0 && ::pread(descriptor, &last, 1, size - 1) == 1 && last != '\n';
}
} // namespace

FleetLog FleetLog::standard()
{
    return FleetLog(UserFolders::dataHome() + QStringLiteral("/qv3307/") + FileName);
}

QStringList FleetLog::header()
{
    return {QStringLiteral("Time"),   QStringLiteral("Port"),
            QStringLiteral("Device"), QStringLiteral("File written"),
            QStringLiteral("Result"), QStringLiteral("Backup file")};
}

QString FleetLog::timeText(const QDateTime& time)
{
    return time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QByteArray FleetLog::line(const QStringList& fields)
{
    QStringList safe;
    for (const QString& field : fields)
        safe << (startsLikeAFormula(field) ? QLatin1Char('\'') + field : field);
    return CsvRecords::join(safe).toUtf8() + LineEnd;
}

QString FleetLog::resultOf(const FleetRadioOutcome& outcome)
{
    using Ending = SafeWriteOutcome::Ending;
    if (outcome.portProblem)
        return QStringLiteral("port unavailable");
    if (outcome.interrupted)
        return QStringLiteral("interrupted");
    if (outcome.task == FleetTask::Read)
        return outcome.read == RadioExchange::Result::Done ? QStringLiteral("read")
                                                           : QStringLiteral("no answer");
    switch (outcome.write.ending) {
    case Ending::Verified:
        return QStringLiteral("verified");
    case Ending::Written:
        return QStringLiteral("written");
    case Ending::Differences:
        return QStringLiteral("differences");
    case Ending::NotVerified:
        return QStringLiteral("not verified");
    case Ending::WriteFailed:
        return QStringLiteral("write failed");
    case Ending::BackupReadFailed:
        return QStringLiteral("no answer");
    case Ending::BackupNotSaved:
        return QStringLiteral("backup not saved");
    case Ending::Refused:
        return QStringLiteral("refused");
    case Ending::Quit:
        break;
    }
    return QStringLiteral("interrupted");
}

FleetLog::Row FleetLog::rowOf(const FleetRadioOutcome& outcome, const QString& file,
                              const QDateTime& time)
{
    return {time, outcome.port.name, outcome.port.devicePath,
            file, resultOf(outcome), outcome.backupPath()};
}

int FleetLog::append(const Row& row) const
{
    errno = 0;
    const QString folder = QFileInfo(m_path).absolutePath();
    if (!QDir().mkpath(folder))
        return errno != 0 ? errno : EACCES;
    const QByteArray name = QFile::encodeName(m_path);
    const int descriptor = ::open(name.constData(), O_RDWR | O_CREAT | O_APPEND | O_CLOEXEC, 0666);
    if (descriptor < 0)
        return errno;
    int error = 0;
    struct stat status = {};
    if (::flock(descriptor, LOCK_EX) != 0 || ::fstat(descriptor, &status) != 0)
        error = errno;
    if (error == 0) {
        QByteArray bytes;
        if (status.st_size == 0)
            bytes += line(header());
        else if (endsMidLine(descriptor, status.st_size))
            bytes += LineEnd;
        bytes += line({timeText(row.time), row.port, row.device, row.file, row.result, row.backup});
        error = FileIo::writeDescriptor(descriptor, bytes);
    }
    if (error == 0 && ::fsync(descriptor) != 0)
        error = errno;
    // Closing releases the lock.
    if (::close(descriptor) != 0 && error == 0)
        error = errno;
    return error;
}

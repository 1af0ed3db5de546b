#include "backups/BackupFolder.h"

#include "workspace/FileIo.h"
#include "workspace/UserFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {
const QString NameFormat = QStringLiteral("yyyy-MM-dd_HH-mm-ss");
const QString LogTimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

const QRegularExpression& backupNamePattern()
{
    static const QRegularExpression pattern(
        QStringLiteral(R"(^(\d{4}-\d\d-\d\d_\d\d-\d\d-\d\d)(-[1-9]\d{0,5})?\.F19$)"));
    return pattern;
}

// Claims the name before anything is written, so that no other backup (of another window
// or program) and no file the user put there is ever replaced. EEXIST when the name is
// taken.
int reserve(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    const int descriptor = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (descriptor < 0)
        return errno;
    ::close(descriptor);
    return 0;
}
} // namespace

BackupFolder BackupFolder::standard()
{
    return BackupFolder(UserFolders::dataHome() + QStringLiteral("/qv3307/backups"));
}

bool BackupFolder::exists() const
{
    return QFileInfo(m_path).isDir();
}

QString BackupFolder::calibrationLogPath() const
{
    return m_path + QLatin1Char('/') + CalibrationLogName;
}

QString BackupFolder::baseName(const QDateTime& when)
{
    return when.toLocalTime().toString(NameFormat);
}

bool BackupFolder::isBackupName(const QString& fileName)
{
    return backupNamePattern().match(fileName).hasMatch();
}

int BackupFolder::createFolder() const
{
    if (exists())
        return 0;
    errno = 0;
    if (QDir().mkpath(m_path))
        return 0;
    return errno != 0 ? errno : EACCES;
}

BackupFolder::SaveOutcome BackupFolder::save(const QByteArray& channelFile,
                                             const QDateTime& when) const
{
    const QString base = m_path + QLatin1Char('/') + baseName(when);
    SaveOutcome outcome{base + Extension, createFolder()};
    if (!outcome.saved())
        return outcome;
    for (int suffix = 1;; ++suffix) {
        outcome.path = suffix == 1 ? base + Extension
                                   : base + QLatin1Char('-') + QString::number(suffix) + Extension;
        outcome.error = reserve(outcome.path);
        if (outcome.error != EEXIST)
            break;
    }
    if (!outcome.saved())
        return outcome;
    outcome.error = FileIo::replaceFile(outcome.path, channelFile);
    // An empty file left under a backup's name would look like a radio that held nothing.
    if (!outcome.saved())
        QFile::remove(outcome.path);
    return outcome;
}

QString BackupFolder::calibrationLine(const CalibrationReading& reading, const QDateTime& when)
{
    const PowerCalibrationValues& values = reading.values;
    QString line = QStringLiteral("%1 low power %2, high power %3, low voltage %4")
                       .arg(when.toLocalTime().toString(LogTimeFormat))
                       .arg(values.lowPower)
                       .arg(values.highPower)
                       .arg(values.lowVoltage);
    if (reading.unnamedLowVoltage) {
        const QString byte =
            QStringLiteral("%1").arg(*reading.unnamedLowVoltage, 2, 16, QLatin1Char('0')).toUpper();
        line += QStringLiteral(" (byte %1, no defined level)").arg(byte);
    }
    return line;
}

int BackupFolder::appendCalibration(const CalibrationReading& reading, const QDateTime& when) const
{
    if (const int error = createFolder(); error != 0)
        return error;
    const QByteArray line = calibrationLine(reading, when).toLatin1() + '\n';
    const QByteArray name = QFile::encodeName(calibrationLogPath());
    const int descriptor =
        ::open(name.constData(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0666);
    if (descriptor < 0)
        return errno;
    int error = 0;
    // One write call, so that the line lands whole even beside another program's.
    const ssize_t written = ::write(descriptor, line.constData(), size_t(line.size()));
    if (written < 0)
        error = errno;
    else if (written != line.size())
        error = ENOSPC;
    if (error == 0 && ::fsync(descriptor) != 0)
        error = errno;
    if (::close(descriptor) != 0 && error == 0)
        error = errno;
    return error;
}

QStringList BackupFolder::removeOldBackups(const QDateTime& now) const
{
    QStringList removed;
    const QDateTime limit = now.addDays(-KeepDays);
    const QDir folder(m_path);
    const QFileInfoList files = folder.entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo& file : files) {
        const QRegularExpressionMatch match = backupNamePattern().match(file.fileName());
        if (!match.hasMatch() || file.isSymLink() || !file.isFile())
            continue;
        const QDateTime taken = QDateTime::fromString(match.captured(1), NameFormat);
        // A backup copied in (or restored) recently keeps its old name but a new time: it
        // stays until that time is a year old too.
        if (!taken.isValid() || taken >= limit || file.lastModified() >= limit)
            continue;
        if (QFile::remove(file.filePath()))
            removed << file.filePath();
    }
    return removed;
}

#include "link/PortDiagnostics.h"

#include "workspace/FileIo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

QString canonicalOrSame(const QString& path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? path : canonical;
}

QByteArray readSmallFile(const QString& path)
{
    return FileIo::readFile(path, 4096).bytes;
}

} // namespace

QStringList PortDiagnostics::defaultLockFolders()
{
    // The folders QSerialPort and the older serial programs put their lock files in.
    return {QStringLiteral("/run/lock"), QStringLiteral("/var/lock"), QStringLiteral("/tmp"),
            QStringLiteral("/var/tmp")};
}

PortDiagnostics::PortDiagnostics(SerialDeviceList devices, QStringList lockFolders,
                                 QString processFolder)
    : m_devices(std::move(devices)), m_lockFolders(std::move(lockFolders)),
      m_processFolder(std::move(processFolder))
{
}

QString PortDiagnostics::lockFileName(const QString& devicePath)
{
    QString name = devicePath;
    if (name.startsWith(QLatin1String("/dev/")))
        name.remove(0, 5);
    else
        name = QFileInfo(name).fileName();
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    return QStringLiteral("LCK..") + name;
}

PortDiagnosis PortDiagnostics::noAnswer(const QString& devicePath)
{
    PortDiagnosis diagnosis;
    diagnosis.cause = PortDiagnosis::Cause::NoAnswer;
    diagnosis.device = devicePath;
    return diagnosis;
}

PortDiagnosis PortDiagnostics::diagnoseOpening(const QString& devicePath) const
{
    PortDiagnosis diagnosis;
    diagnosis.device = devicePath;
    const QByteArray path = QFile::encodeName(devicePath);
    const int descriptor = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    const int error = descriptor < 0 ? errno : 0;
    const bool terminal = descriptor >= 0 && ::isatty(descriptor);
    if (descriptor >= 0)
        ::close(descriptor);

    switch (error) {
    case ENOENT:
    case ENODEV:
    case ENXIO:
    case ENOTDIR:
        diagnosis.cause = PortDiagnosis::Cause::Missing;
        diagnosis.presentDevices = m_devices.devices();
        return diagnosis;
    case EACCES:
    case EPERM:
        diagnosis.cause = PortDiagnosis::Cause::PermissionDenied;
        return diagnosis;
    default:
        break;
    }
    // A file or a device that is no terminal (/dev/null) is no serial port, however many
    // programs have it open.
    if (error == 0 && !terminal) {
        diagnosis.cause = PortDiagnosis::Cause::Unusable;
        return diagnosis;
    }
    // Root opens a device another process has opened exclusively, and QSerialPort then
    // refuses it for its lock file: look for the holder whatever the open said.
    diagnosis.holder = holderOf(devicePath);
    if (error == EBUSY || diagnosis.holder) {
        diagnosis.cause = PortDiagnosis::Cause::Busy;
        return diagnosis;
    }
    // A terminal that opens here but not for the serial port is held in a way that cannot be
    // seen from here (another user's lock file, say); a device that does not open for
    // another reason cannot be used as a serial port.
    diagnosis.cause = error == 0 ? PortDiagnosis::Cause::Busy : PortDiagnosis::Cause::Unusable;
    return diagnosis;
}

std::optional<PortHolder> PortDiagnostics::holderOf(const QString& devicePath) const
{
    if (std::optional<PortHolder> holder = lockHolder(devicePath))
        return holder;
    const QList<PortHolder> users = processesUsing(devicePath);
    if (users.isEmpty())
        return std::nullopt;
    return users.front();
}

std::optional<PortHolder> PortDiagnostics::lockHolder(const QString& devicePath) const
{
    QStringList names{lockFileName(devicePath)};
    const QString canonical = canonicalOrSame(devicePath);
    if (canonical != devicePath && !names.contains(lockFileName(canonical)))
        names << lockFileName(canonical);
    const qint64 self = QCoreApplication::applicationPid();
    for (const QString& folder : m_lockFolders) {
        for (const QString& name : names) {
            // The first line holds the process number, padded with blanks in the older
            // programs' files.
            const QByteArray content = readSmallFile(QDir(folder).filePath(name));
            bool number = false;
            const qint64 pid = content.split('\n').value(0).trimmed().toLongLong(&number);
            if (!number || pid <= 0 || pid == self)
                continue;
            const QString program = processName(pid);
            if (program.isEmpty())
                continue; // a stale lock: its process has gone
            return PortHolder{pid, program, true};
        }
    }
    return std::nullopt;
}

QList<PortHolder> PortDiagnostics::processesUsing(const QString& devicePath) const
{
    const QString device = canonicalOrSame(devicePath);
    const qint64 self = QCoreApplication::applicationPid();
    QList<PortHolder> users;
    const QDir processes(m_processFolder);
    const QStringList entries = processes.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        bool number = false;
        const qint64 pid = entry.toLongLong(&number);
        if (!number || pid == self)
            continue;
        const QDir descriptors(processes.filePath(entry + QStringLiteral("/fd")));
        const QFileInfoList links = descriptors.entryInfoList(QDir::System | QDir::Files);
        const bool uses = std::any_of(links.begin(), links.end(), [&device](const QFileInfo& fd) {
            return fd.symLinkTarget() == device;
        });
        if (uses)
            users.append(PortHolder{pid, processName(pid), false});
    }
    std::sort(users.begin(), users.end(),
              [](const PortHolder& a, const PortHolder& b) { return a.pid < b.pid; });
    return users;
}

QString PortDiagnostics::processName(qint64 pid) const
{
    const QString folder = QDir(m_processFolder).filePath(QString::number(pid));
    // The command line's first word names the program in full; the short name is cut at
    // 15 characters.
    const QByteArray commandLine = readSmallFile(folder + QStringLiteral("/cmdline"));
    const QString program =
        QFileInfo(QFile::decodeName(commandLine.split('\0').value(0))).fileName();
    if (!program.isEmpty())
        return program;
    return QString::fromLocal8Bit(readSmallFile(folder + QStringLiteral("/comm")).trimmed());
}

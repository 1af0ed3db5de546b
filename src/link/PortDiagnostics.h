#pragma once

#include "link/PortDiagnosis.h"
#include "link/SerialDeviceList.h"

#include <QStringList>

// Finds out why a serial device cannot be opened: it is not there, the user may not open
// it, or another process holds it (named from the device's lock file first, then from the
// processes that have it open). The folders are parameters so that tests can stand in for
// /run/lock and /proc.
class PortDiagnostics
{
public:
    static QStringList defaultLockFolders();

    explicit PortDiagnostics(SerialDeviceList devices = SerialDeviceList(),
                             QStringList lockFolders = defaultLockFolders(),
                             QString processFolder = QStringLiteral("/proc"));

    // Why the device could not be opened. Call it after an open has failed: a device that
    // opens and that nobody holds is reported as unusable as a serial port.
    PortDiagnosis diagnoseOpening(const QString& devicePath) const;
    // The port opened but the radio did not answer.
    static PortDiagnosis noAnswer(const QString& devicePath);

    // The live process named in the device's lock file ("LCK..ttyUSB0"), other than this
    // one.
    std::optional<PortHolder> lockHolder(const QString& devicePath) const;
    // The other processes that have the device open, lowest process number first.
    QList<PortHolder> processesUsing(const QString& devicePath) const;
    // The program name of a running process; empty when there is no such process.
    QString processName(qint64 pid) const;

    // The lock file name serial programs agree on: "LCK..ttyUSB0" for /dev/ttyUSB0,
    // "LCK..pts_3" for /dev/pts/3.
    static QString lockFileName(const QString& devicePath);

private:
    std::optional<PortHolder> holderOf(const QString& devicePath) const;

    SerialDeviceList m_devices;
    QStringList m_lockFolders;
    QString m_processFolder;
};

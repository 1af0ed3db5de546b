#include "backups/FleetRadioOutcome.h"

QString FleetPort::description() const
{
    return devicePath == name ? name : QStringLiteral("%1 (%2)").arg(name, devicePath);
}

bool FleetRadioOutcome::succeeded() const
{
    if (portProblem || interrupted)
        return false;
    if (task == FleetTask::Read)
        return read == RadioExchange::Result::Done;
    return write.ending == SafeWriteOutcome::Ending::Verified ||
           write.ending == SafeWriteOutcome::Ending::Written;
}

bool FleetRadioOutcome::exchangeFailed() const
{
    using Ending = SafeWriteOutcome::Ending;
    if (portProblem || interrupted)
        return false;
    if (task == FleetTask::Read)
        return read == RadioExchange::Result::Failed;
    return write.ending == Ending::BackupReadFailed || write.ending == Ending::WriteFailed ||
           write.ending == Ending::NotVerified;
}

QString FleetRadioOutcome::backupPath() const
{
    if (readBackup)
        return readBackup->saved() ? readBackup->path : QString();
    if (write.ending == SafeWriteOutcome::Ending::BackupNotSaved)
        return {};
    return write.backupPath;
}

void FleetTally::count(const FleetRadioOutcome& outcome)
{
    written += outcome.write.written() ? 1 : 0;
    verified += outcome.write.ending == SafeWriteOutcome::Ending::Verified ? 1 : 0;
    failed += outcome.succeeded() ? 0 : 1;
}

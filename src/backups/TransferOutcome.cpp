#include "backups/TransferOutcome.h"

#include "backups/SafeWriteRun.h"

std::optional<TransferOutcome>
TransferOutcome::ofRead(RadioExchange::Result result,
                        const std::optional<BackupFolder::SaveOutcome>& backup)
{
    TransferOutcome outcome;
    switch (result) {
    case RadioExchange::Result::Quit:
        return std::nullopt;
    case RadioExchange::Result::Failed:
        outcome.ending = Ending::ReadFailed;
        break;
    case RadioExchange::Result::Done:
        if (backup && !backup->saved()) {
            outcome.ending = Ending::ReadNotBackedUp;
            outcome.backup = *backup;
        }
        break;
    }
    return outcome;
}

std::optional<TransferOutcome> TransferOutcome::ofWrite(const SafeWriteOutcome& written)
{
    using Run = SafeWriteOutcome::Ending;
    TransferOutcome outcome;
    switch (written.ending) {
    case Run::Quit:
        return std::nullopt;
    case Run::Refused:
        outcome.ending = Ending::WriteRefused;
        break;
    case Run::BackupReadFailed:
        outcome.ending = Ending::BackupReadFailed;
        break;
    case Run::BackupNotSaved:
        outcome.ending = Ending::BackupNotSaved;
        outcome.backup = {written.backupPath, written.backupError};
        break;
    case Run::WriteFailed:
        outcome.ending = Ending::WriteFailed;
        break;
    case Run::Written:
        outcome.ending = Ending::Written;
        break;
    case Run::Verified:
        outcome.ending = Ending::Verified;
        break;
    case Run::Differences:
        outcome.ending = Ending::Differences;
        outcome.differenceCount = written.differences.size();
        break;
    case Run::NotVerified:
        outcome.ending = Ending::NotVerified;
        break;
    }
    return outcome;
}

bool TransferOutcome::isWrite() const
{
    return ending != Ending::Read && ending != Ending::ReadNotBackedUp &&
           ending != Ending::ReadFailed;
}

bool TransferOutcome::failed() const
{
    return ending != Ending::Read && ending != Ending::Written && ending != Ending::Verified;
}

TransferOutcome::Stage TransferOutcome::stage() const
{
    switch (ending) {
    case Ending::ReadNotBackedUp:
    case Ending::BackupReadFailed:
    case Ending::BackupNotSaved:
        return Stage::Backup;
    case Ending::Read:
    case Ending::ReadFailed:
        return Stage::Read;
    case Ending::WriteRefused:
    case Ending::WriteFailed:
    case Ending::Written:
        return Stage::Write;
    case Ending::Verified:
    case Ending::Differences:
    case Ending::NotVerified:
        return Stage::ReadBack;
    }
    return Stage::Read;
}

#pragma once

#include "backups/BackupFolder.h"
#include "link/RadioExchange.h"

#include <optional>

struct SafeWriteOutcome;

// How a read or a write of the window ended, judged by what it leaves behind: whether the
// radio holds what the user meant it to and the backup the run promised is kept. An ending
// that is not a plain success names the stage that failed, and stays on show until a
// later read or write succeeds. A write with the read-back turned off is a success: the
// radio acknowledged every block, and checking was the user's choice to skip.
struct TransferOutcome
{
    // Where a run can fail: the backup taken before a write or kept after a read, the read
    // itself, the write, and the read-back that checks it.
    enum class Stage { Backup, Read, Write, ReadBack };

    enum class Ending {
        Read,             // read, its backup saved
        ReadNotBackedUp,  // read, but its backup could not be saved
        ReadFailed,       // the read stopped: nothing in the window changed
        WriteRefused,     // a value cannot be sent as it stands: nothing was sent
        BackupReadFailed, // the radio could not be read for its backup: nothing was written
        BackupNotSaved,   // the backup could not be saved: nothing was written
        WriteFailed,      // the write stopped: the radio may be partly written
        Written,          // written, not read back (the user turned the read-back off)
        Verified,         // written, and the read-back found what was written
        Differences,      // written, but the read-back found something else
        NotVerified,      // written, but the radio could not be read back
    };

    Ending ending = Ending::Read;
    // The backup that could not be saved (ReadNotBackedUp, BackupNotSaved).
    BackupFolder::SaveOutcome backup;
    // How many differences the read-back found (Differences).
    qsizetype differenceCount = 0;

    // How a read ended: its result and, after one that went through, how its backup went.
    // None for a read the closing application stopped.
    static std::optional<TransferOutcome>
    ofRead(RadioExchange::Result result, const std::optional<BackupFolder::SaveOutcome>& backup);
    // How a checked write ended; none for one the closing application stopped.
    static std::optional<TransferOutcome> ofWrite(const SafeWriteOutcome& outcome);

    bool isWrite() const;
    // Whether something is not as the user asked: it stays on show until a read or a write
    // succeeds.
    bool failed() const;
    // The stage that failed; for a success, the last stage that ran.
    Stage stage() const;
};

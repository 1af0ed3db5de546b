#pragma once

#include "backups/BackupFolder.h"
#include "link/RadioExchange.h"

#include <optional>

class Workspace;

// A read of the radio into the workspace that is also kept in the backups folder, as Save
// would write it at that moment: the one step behind the window's Read and the command
// line's reads. A read that does not run to its end changes nothing and keeps nothing.
struct BackedUpRead
{
    RadioExchange::Result result = RadioExchange::Result::Failed;
    // How saving the backup went, after a read that went through.
    std::optional<BackupFolder::SaveOutcome> backup;

    // The read procedure's whole run on the exchange (see ReadProcedure::run), then the
    // backup.
    static BackedUpRead run(Workspace& workspace, RadioExchange& exchange,
                            const BackupFolder& folder);
};

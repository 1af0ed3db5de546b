#include "backups/BackedUpRead.h"

#include "files/ChannelFileWriter.h"
#include "link/ReadProcedure.h"

BackedUpRead BackedUpRead::run(Workspace& workspace, RadioExchange& exchange,
                               const BackupFolder& folder)
{
    BackedUpRead read;
    read.result = ReadProcedure(workspace, exchange).run();
    if (read.result == RadioExchange::Result::Done)
        read.backup = folder.save(ChannelFileWriter(workspace).contents());
    return read;
}

#pragma once

#include "backups/SafeWriteRun.h"
#include "link/RadioExchange.h"

#include <QString>

class ComPortDevices;
class Link;
class Messenger;
class ReadWriteDialog;
class Workspace;

// The read/write dialog's write to every connected radio: the same fleet run as the command
// line's, on every COM port whose device is present, each radio with the dialog's checks,
// a bar and a result of its own in the dialog's rows, the summary in its status line, and a
// row for each radio in the fleet log. What failed comes in one box once all have ended.
class DialogFleetWrite
{
public:
    DialogFleetWrite(ReadWriteDialog& dialog, const Workspace& workspace, Link& link,
                     const ComPortDevices& devices, Messenger& messenger);

    // `fileWritten` names the channel file the grid holds, for the fleet log (empty when
    // none). The summary, such as "Radios written: 4, verified: 3, failed: 1", is left in
    // summary(). Done only when every radio is done.
    RadioExchange::Result run(const SafeWriteOptions& options, const QString& fileWritten);
    const QString& summary() const { return m_summary; }

private:
    ReadWriteDialog& m_dialog;
    const Workspace& m_workspace;
    Link& m_link;
    const ComPortDevices& m_devices;
    Messenger& m_messenger;
    QString m_summary;
};

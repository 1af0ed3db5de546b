#include "app/DialogFleetWrite.h"

#include "backups/FleetLog.h"
#include "backups/FleetRun.h"
#include "backups/FleetText.h"
#include "link/ComPortDevices.h"
#include "link/Link.h"
#include "link/RadioProgressRows.h"
#include "link/ReadWriteDialog.h"
#include "link/WritePlan.h"
#include "link/WriteProblemText.h"
#include "workspace/Messenger.h"
#include "workspace/Workspace.h"
#include "workspace/WorkspaceSnapshot.h"

#include <QPointer>

DialogFleetWrite::DialogFleetWrite(ReadWriteDialog& dialog, const Workspace& workspace, Link& link,
                                   const ComPortDevices& devices, Messenger& messenger)
    : m_dialog(dialog), m_workspace(workspace), m_link(link), m_devices(devices),
      m_messenger(messenger)
{
}

RadioExchange::Result DialogFleetWrite::run(const SafeWriteOptions& options,
                                            const QString& fileWritten)
{
    const Language language = m_workspace.checkedLanguage;
    // Every radio would refuse the same values: say so once, before any port is touched.
    const WritePlan plan =
        WritePlan::compose(m_workspace.table, m_workspace.words, m_workspace.settings,
                           m_workspace.bands.selectedText());
    if (!plan.sendable()) {
        m_messenger.errorBox(writeProblemText(plan.problems, language));
        return RadioExchange::Result::Failed;
    }

    FleetRun fleet(FleetTask::Write, BackupFolder::standard(), options);
    // The radios' links wait as long as the window's own, which only a test sets otherwise.
    if (const Link::WaitLengths waits = m_link.waitLengths(); waits != Link::WaitLengths{})
        fleet.setWaitLengthsForTests(waits);
    const WorkspaceSnapshot snapshot = WorkspaceSnapshot::of(m_workspace);
    QStringList names;
    for (const int number : m_devices.presentPorts()) {
        const FleetPort port{QStringLiteral("COM%1").arg(number), m_devices.devicePath(number)};
        fleet.addRadio(port, snapshot);
        names << port.name;
    }
    if (names.isEmpty()) {
        m_messenger.errorBox(FleetText::noRadioConnected(language));
        return RadioExchange::Result::Failed;
    }
    RadioProgressRows& rows = *m_dialog.radioRows();
    m_dialog.showRadioRows(names);
    m_dialog.setStatusText({});

    QObject::connect(&fleet, &FleetRun::progressChanged, &m_dialog, [&](int radio, int percent) {
        rows.setProgress(radio, percent);
        m_dialog.setProgress(fleet.overallPercent());
    });
    // What the box at the end says: each radio that failed, each verified radio that keeps
    // unused bytes otherwise (with those bytes), and each log row that could not be added.
    QStringList told;
    bool logFailed = false;
    const FleetLog log = FleetLog::standard();
    QObject::connect(&fleet, &FleetRun::radioFinished, &m_dialog,
                     [&](int radio, const FleetRadioOutcome& outcome) {
                         const QString result = FleetText::result(outcome, language);
                         rows.setResult(radio, result, outcome.succeeded());
                         told << FleetText::endOfWriteLines(outcome, result, language);
                         if (const int error = log.append(FleetLog::rowOf(outcome, fileWritten));
                             error != 0) {
                             told << FleetText::logNotWritten(log.path(), error, language);
                             logFailed = true;
                         }
                     });

    // The checked port is held open while the dialog shows; the fleet opens every port
    // itself, that one included.
    m_link.closePort();
    const QPointer<ReadWriteDialog> alive(&m_dialog);
    // Once the application is closing nothing may be touched: it is going away.
    if (!fleet.run() || !alive)
        return RadioExchange::Result::Quit;
    m_link.openPort();

    const FleetTally tally = fleet.tally();
    m_summary = FleetText::summary(tally, language);
    m_dialog.setProgress(100);
    m_dialog.setStatusText(m_summary);
    // Only unused bytes kept otherwise, on radios that were all verified: worth a warning,
    // not an error.
    const bool failed = tally.failed > 0 || logFailed;
    const QString box = (told + QStringList{m_summary}).join(QLatin1Char('\n'));
    if (failed)
        m_messenger.errorBox(box);
    else if (!told.isEmpty())
        m_messenger.noticeBox(box);
    return failed ? RadioExchange::Result::Failed : RadioExchange::Result::Done;
}

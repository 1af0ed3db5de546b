#pragma once

#include "backups/BackupFolder.h"
#include "backups/FleetRadioOutcome.h"
#include "backups/SafeWriteRun.h"
#include "link/Link.h"
#include "workspace/WorkspaceSnapshot.h"

#include <QObject>

#include <atomic>
#include <optional>

// One radio of a fleet on a thread of its own: it opens the port, runs the read or the
// checked write over a serial port, link and workspace all made on that thread, closes the
// port and says how it went. The link's waits are event loops nested in the thread's own,
// so radios on other threads never wait for this one.
class FleetRadioRun : public QObject
{
    Q_OBJECT

public:
    struct Setup
    {
        int index = 0;
        FleetPort port;
        FleetTask task = FleetTask::Write;
        // What a write writes; the words, language and bands a read is decoded and kept with.
        WorkspaceSnapshot workspace;
        SafeWriteOptions options;
        BackupFolder folder{QString()};
        // The link's waits, when a test runs them at other lengths than the real ones
        // (Link::setWaitLengthsForTests).
        std::optional<Link::WaitLengths> testWaits;
    };

    explicit FleetRadioRun(Setup setup);

    // On the run's thread: the whole run, ending with finished().
    void run();
    // From any thread: the run stops where it stands, as Ctrl+C stops a single radio's;
    // a run that has not opened its port yet sends nothing.
    void stop();

signals:
    void stageStarted(int index, SafeWriteStage stage);
    void progressChanged(int index, int percent);
    void finished(int index, const FleetRadioOutcome& outcome);

private:
    void runOn(Link& link, FleetRadioOutcome& outcome);
    void interruptLink();

    Setup m_setup;
    std::atomic<bool> m_stopRequested = false;
    // Only the run's thread touches it, while run() has a link.
    Link* m_link = nullptr;
};

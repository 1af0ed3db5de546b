#pragma once

#include "backups/BackupFolder.h"
#include "backups/FleetRadioOutcome.h"
#include "backups/FleetRadioRun.h"
#include "backups/SafeWriteRun.h"
#include "workspace/WorkspaceSnapshot.h"

#include <QList>
#include <QObject>

#include <memory>
#include <optional>

class QThread;

// Several radios at once, each on its own cable: one complete run per port (a checked write
// with its backup and read-back, or a read kept as a backup), all going at the same time.
// The link's waits are nested event loops, and nested loops only unwind last-in-first-out:
// on one thread the radio that began waiting last would hold up every other. So each radio
// runs on a thread of its own with its own port, link and workspace, and this object, on
// the caller's thread, hands on what each reports. One radio failing never touches another.
// Nothing here shows a box or writes the fleet log: the caller says what the outcomes mean.
class FleetRun : public QObject
{
    Q_OBJECT

public:
    FleetRun(FleetTask task, BackupFolder folder, SafeWriteOptions options = {},
             QObject* parent = nullptr);
    ~FleetRun() override;
    FleetRun(const FleetRun&) = delete;
    FleetRun& operator=(const FleetRun&) = delete;

    FleetTask task() const { return m_task; }
    // A radio on `port`: for a write, `workspace` is what it gets; for a read, the words,
    // language and bands its contents are taken and kept with. Before start() only.
    // Returns the radio's index in the signals and outcomes.
    int addRadio(const FleetPort& port, const WorkspaceSnapshot& workspace);
    int radioCount() const { return int(m_radios.size()); }
    const FleetPort& port(int radio) const { return m_radios.at(radio).port; }

    // Only for tests: every radio's link runs its waits as Link::setWaitLengthsForTests()
    // says. Before start() only.
    void setWaitLengthsForTests(Link::WaitLengths lengths) { m_testWaits = lengths; }

    // Starts every radio; finished() follows once the last has ended (at once for none).
    void start();
    // start(), then waits until every radio has ended while the caller's events are
    // dispatched (so its stop signals and windows stay alive). A quitting application ends
    // the wait: the radios are stopped and waited for, and it returns false.
    bool run();
    // Every radio stops where it stands and closes its port; a radio it left in
    // programming mode gets the exit command. Radios that had not begun send nothing.
    void stop();
    bool stopRequested() const { return m_stopRequested; }

    bool running() const { return m_running; }
    // The outcome of each radio that has ended, by index.
    const FleetRadioOutcome& outcome(int radio) const { return m_radios.at(radio).outcome; }
    bool hasEnded(int radio) const { return m_radios.at(radio).ended; }
    FleetTally tally() const;
    // The whole run's progress: the mean of the radios' own, an ended radio counting 100.
    int overallPercent() const;

signals:
    void stageStarted(int radio, SafeWriteStage stage);
    void progressChanged(int radio, int percent);
    void radioFinished(int radio, const FleetRadioOutcome& outcome);
    void finished();

private:
    struct Radio
    {
        FleetPort port;
        WorkspaceSnapshot workspace;
        std::unique_ptr<QThread> thread;
        std::unique_ptr<FleetRadioRun> run;
        FleetRadioOutcome outcome;
        int percent = 0;
        bool ended = false;
    };

    void onRadioFinished(int radio, const FleetRadioOutcome& outcome);
    void onProgressChanged(int radio, int percent);
    void joinThreads();

    FleetTask m_task;
    BackupFolder m_folder;
    SafeWriteOptions m_options;
    std::vector<Radio> m_radios;
    int m_ended = 0;
    bool m_running = false;
    bool m_stopRequested = false;
    std::optional<Link::WaitLengths> m_testWaits;
};

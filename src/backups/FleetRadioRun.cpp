#include "backups/FleetRadioRun.h"

#include "backups/BackedUpRead.h"
#include "link/ComPortChoices.h"
#include "link/ComPortDevices.h"
#include "link/Link.h"
#include "link/PortDiagnostics.h"
#include "link/QtSerialPort.h"
#include "workspace/Workspace.h"

#include <QThread>

namespace {
// The device is already known, so the port is the device tied to COM1 for this run alone.
constexpr int PortNumber = 1;

// The stages and the bar of a run, handed on as the run's signals.
class SignalledReport : public SafeWriteReport
{
public:
    using Stage = std::function<void(SafeWriteStage)>;
    using Progress = std::function<void(int)>;

    SignalledReport(Stage stage, Progress progress)
        : m_stage(std::move(stage)), m_progress(std::move(progress))
    {
    }
    void stageStarted(SafeWriteStage stage) override { m_stage(stage); }
    void setProgress(int percent) override { m_progress(percent); }

private:
    Stage m_stage;
    Progress m_progress;
};
} // namespace

FleetRadioRun::FleetRadioRun(Setup setup) : m_setup(std::move(setup)) {}

void FleetRadioRun::stop()
{
    m_stopRequested = true;
    // Reaches the link inside its wait, on the run's own thread.
    QMetaObject::invokeMethod(this, &FleetRadioRun::interruptLink, Qt::QueuedConnection);
}

void FleetRadioRun::interruptLink()
{
    if (m_link)
        m_link->interrupt();
}

void FleetRadioRun::run()
{
    FleetRadioOutcome outcome;
    outcome.task = m_setup.task;
    outcome.port = m_setup.port;
    outcome.write.ending = SafeWriteOutcome::Ending::Quit;
    outcome.read = RadioExchange::Result::Quit;
    if (m_stopRequested) {
        outcome.interrupted = true;
        emit finished(m_setup.index, outcome);
        QThread::currentThread()->quit();
        return;
    }

    ComPortChoices choices;
    choices.tie(PortNumber, m_setup.port.devicePath);
    const ComPortDevices devices(QString(), QStringLiteral("/dev"), &choices);
    QtSerialPort serialPort(devices);
    Link link(serialPort, devices);
    link.setPortNumber(PortNumber);
    if (m_setup.testWaits)
        link.setWaitLengthsForTests(*m_setup.testWaits);
    if (!link.probePort() || !link.openPort()) {
        outcome.portProblem = link.diagnosePort();
        outcome.write.ending = SafeWriteOutcome::Ending::Refused;
        outcome.read = RadioExchange::Result::Failed;
    } else if (m_stopRequested) {
        // Not a byte to a radio once the stop has come.
        outcome.interrupted = true;
        link.closePort();
    } else {
        m_link = &link;
        runOn(link, outcome);
        m_link = nullptr;
        if (outcome.exchangeFailed())
            outcome.transferFailure = link.failure();
        // A stop whose event the waits did not take: the port still closes as after a stop,
        // taking the radio out of programming mode.
        if (m_stopRequested)
            link.interrupt();
        link.closePort();
        outcome.interrupted = m_setup.task == FleetTask::Write
                                  ? outcome.write.ending == SafeWriteOutcome::Ending::Quit
                                  : outcome.read == RadioExchange::Result::Quit;
    }
    emit finished(m_setup.index, outcome);
    // The thread has done its one job; whoever waits for it need not be reached first.
    QThread::currentThread()->quit();
}

void FleetRadioRun::runOn(Link& link, FleetRadioOutcome& outcome)
{
    Workspace workspace;
    m_setup.workspace.restore(workspace);
    const int index = m_setup.index;
    SignalledReport report(
        [this, index, &outcome](SafeWriteStage stage) {
            outcome.stage = stage;
            emit stageStarted(index, stage);
        },
        [this, index](int percent) { emit progressChanged(index, percent); });

    if (m_setup.task == FleetTask::Write) {
        outcome.write =
            SafeWriteRun(workspace, link, report, m_setup.folder, m_setup.options).run();
        return;
    }
    RadioExchange exchange(link, report);
    const BackedUpRead read = BackedUpRead::run(workspace, exchange, m_setup.folder);
    outcome.read = read.result;
    outcome.readBackup = read.backup;
    if (read.result == RadioExchange::Result::Done)
        outcome.contents = workspace.radioContents();
}

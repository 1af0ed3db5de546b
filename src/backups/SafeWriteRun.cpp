#include "backups/SafeWriteRun.h"

#include "files/ChannelFileWriter.h"
#include "link/Link.h"
#include "link/ReadProcedure.h"
#include "link/WriteProcedure.h"
#include "workspace/Workspace.h"
#include "workspace/WorkspaceSnapshot.h"

namespace {
constexpr int FullProgress = 100;
} // namespace

bool SafeWriteOutcome::written() const
{
    return ending == Ending::Written || ending == Ending::Verified ||
           ending == Ending::Differences || ending == Ending::NotVerified;
}

RadioExchange::Result SafeWriteOutcome::result() const
{
    switch (ending) {
    case Ending::Written:
    case Ending::Verified:
        return RadioExchange::Result::Done;
    case Ending::Quit:
        return RadioExchange::Result::Quit;
    default:
        return RadioExchange::Result::Failed;
    }
}

SafeWriteRun::SafeWriteRun(Workspace& workspace, Link& link, SafeWriteReport& report,
                           BackupFolder folder, SafeWriteOptions options)
    : m_workspace(workspace), m_link(link), m_report(report), m_folder(std::move(folder)),
      m_options(options)
{
    m_stageCount = 1 + (options.backup ? 1 : 0) + (options.verify ? 1 : 0);
}

SafeWriteOutcome SafeWriteRun::run()
{
    using Ending = SafeWriteOutcome::Ending;
    SafeWriteOutcome outcome;
    m_stageIndex = -1;
    m_shown = 0;
    m_report.setProgress(0);

    const WritePlan plan =
        WritePlan::compose(m_workspace.table, m_workspace.words, m_workspace.settings,
                           m_workspace.bands.selectedText());
    if (!plan.sendable()) {
        outcome.problems = plan.problems;
        outcome.ending = Ending::Refused;
        return outcome;
    }

    if (m_options.backup) {
        startStage(SafeWriteStage::Backup);
        RadioContents held;
        const Result read = readRadio(held);
        if (read != Result::Done) {
            outcome.ending = read == Result::Quit ? Ending::Quit : Ending::BackupReadFailed;
            return outcome;
        }
        const BackupFolder::SaveOutcome saved = m_folder.save(backupFile(m_workspace, held));
        outcome.backupPath = saved.path;
        outcome.backupError = saved.error;
        // The radio is about to lose what it held: without its backup, nothing is written.
        if (!saved.saved()) {
            outcome.ending = Ending::BackupNotSaved;
            return outcome;
        }
    }

    startStage(SafeWriteStage::Write);
    if (const Result write = writeRadio(plan); write != Result::Done) {
        outcome.ending = write == Result::Quit ? Ending::Quit : Ending::WriteFailed;
        return outcome;
    }
    if (!m_options.verify) {
        outcome.ending = Ending::Written;
        return outcome;
    }

    startStage(SafeWriteStage::Verify);
    RadioContents readBack;
    if (const Result read = readRadio(readBack); read != Result::Done) {
        outcome.ending = read == Result::Quit ? Ending::Quit : Ending::NotVerified;
        return outcome;
    }
    outcome.differences = compareContents(plan.expectedReadBack(m_workspace.words), readBack);
    outcome.ending = outcome.differences.isEmpty() ? Ending::Verified : Ending::Differences;
    return outcome;
}

RadioExchange::Result SafeWriteRun::readRadio(RadioContents& contents)
{
    RadioExchange exchange(m_link, m_stageProgress);
    exchange.begin();
    return exchange.finish(ReadProcedure(m_workspace, exchange).read(contents));
}

RadioExchange::Result SafeWriteRun::writeRadio(const WritePlan& plan)
{
    RadioExchange exchange(m_link, m_stageProgress);
    exchange.begin();
    return exchange.finish(WriteProcedure(m_workspace, exchange).write(plan));
}

void SafeWriteRun::startStage(SafeWriteStage stage)
{
    ++m_stageIndex;
    m_report.stageStarted(stage);
}

void SafeWriteRun::showStageProgress(int percent)
{
    // Each stage takes an equal share: a read and a write put about as many bytes on the
    // line. The bar only moves on.
    const int overall = (m_stageIndex * FullProgress + percent) / m_stageCount;
    if (overall <= m_shown)
        return;
    m_shown = overall;
    m_report.setProgress(overall);
}

QByteArray SafeWriteRun::backupFile(const Workspace& workspace, const RadioContents& contents)
{
    WorkspaceSnapshot snapshot = WorkspaceSnapshot::of(workspace);
    snapshot.contents = contents;
    Workspace copy;
    snapshot.restore(copy);
    return ChannelFileWriter(copy).contents();
}

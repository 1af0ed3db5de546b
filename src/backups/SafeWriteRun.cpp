#include "backups/SafeWriteRun.h"

#include "files/ChannelFileWriter.h"
#include "link/Link.h"
#include "link/ReadProcedure.h"
#include "link/WriteProcedure.h"
#include "workspace/Workspace.h"
#include "workspace/WorkspaceSnapshot.h"

#include <algorithm>

namespace {
constexpr int FullProgress = 100;

// Compares the read-back with the plan, field by field and byte by byte, and says how the
// run ended.
void compareReadBack(const WritePlan& plan, const CellWords& words, const RadioContents& readBack,
                     const RadioBlocks& blocks, SafeWriteOutcome& outcome)
{
    using Place = ContentsDifference::Place;
    outcome.differences = compareContents(plan.expectedReadBack(words), readBack);
    const StoredByteDifferences bytes = compareStoredBytes(plan.writtenBlocks(), blocks);
    // A stored byte of a field says more only where no field of its channel, the settings
    // or the band already shows a difference.
    const auto shown = [&outcome](const ContentsDifference& byte) {
        return std::any_of(outcome.differences.cbegin(), outcome.differences.cend(),
                           [&byte](const ContentsDifference& field) {
                               switch (byte.place) {
                               case Place::ChannelByte:
                                   return field.place == Place::Channel && field.row == byte.row;
                               case Place::SettingsByte:
                                   return field.place == Place::Setting ||
                                          field.place == Place::VoxInhibit;
                               default:
                                   return field.place == Place::Band;
                               }
                           });
    };
    QList<ContentsDifference> unexplained;
    for (const ContentsDifference& byte : bytes.decoded)
        if (!shown(byte))
            unexplained.append(byte);
    outcome.differences += unexplained;
    outcome.keptDifferently = bytes.unused;
    outcome.ending = outcome.differences.isEmpty() ? SafeWriteOutcome::Ending::Verified
                                                   : SafeWriteOutcome::Ending::Differences;
}
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
    RadioBlocks blocks;
    if (const Result read = readRadio(readBack, &blocks); read != Result::Done) {
        outcome.ending = read == Result::Quit ? Ending::Quit : Ending::NotVerified;
        return outcome;
    }
    compareReadBack(plan, m_workspace.words, readBack, blocks, outcome);
    return outcome;
}

RadioExchange::Result SafeWriteRun::readRadio(RadioContents& contents, RadioBlocks* blocks)
{
    RadioExchange exchange(m_link, m_stageProgress);
    exchange.begin();
    return exchange.finish(ReadProcedure(m_workspace, exchange).read(contents, blocks));
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

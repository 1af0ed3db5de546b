#include "backups/FleetLog.h"
#include "backups/FleetRun.h"
#include "backups/FleetText.h"
#include "backups/SafeWriteText.h"
#include "cli/ChannelFiles.h"
#include "cli/CliContext.h"
#include "cli/DifferenceLines.h"
#include "cli/FleetCommands.h"
#include "cli/FleetSteps.h"
#include "cli/RadioSteps.h"
#include "workspace/WorkspaceSnapshot.h"

namespace {

using Ending = SafeWriteOutcome::Ending;

// One round: every port gets the file at the same time.
class FleetWriter
{
public:
    FleetWriter(CliContext& context, const QString& path, FleetTally& tally)
        : m_context(context), m_path(path), m_name(ChannelFiles::displayName(context, path)),
          m_tally(tally)
    {
    }

    ExitStatus writeRound(const QList<FleetPort>& ports)
    {
        const CommandLine& line = m_context.line();
        FleetRun fleet(FleetTask::Write, BackupFolder::standard(),
                       {.backup = !line.noBackup, .verify = !line.noVerify});
        if (ChannelFiles::kindToRead(m_context, m_path) == ChannelFiles::Kind::ChannelList)
            takeChannelList(ports, fleet);
        else
            for (const FleetPort& port : ports)
                fleet.addRadio(port, WorkspaceSnapshot::of(m_context.workspace()));
        // After Ctrl+C during the settings reads, the radios still get their lines: the
        // stopped fleet sends them nothing.
        if (fleet.radioCount() > 0)
            FleetSteps::run(m_context, fleet, stage(fleet.radioCount()),
                            [this](const FleetRadioOutcome& outcome) { tell(outcome); });
        return m_status;
    }

private:
    QString stage(int radios) const
    {
        return inLanguage(m_context.language(), QStringLiteral("Writing %1"),
                          QStringLiteral("正在写入 %1"))
            .arg(counted(m_context.language(), radios, "radio", "radios", "台电台"));
    }

    // A channel list holds only channels: each radio's own settings and band are read
    // first (all radios at once), so that they are written back as they were; the list's
    // rows are then checked against that radio's band.
    void takeChannelList(const QList<FleetPort>& ports, FleetRun& writes)
    {
        FleetRun reads(FleetTask::Read, BackupFolder::standard());
        for (const FleetPort& port : ports)
            reads.addRadio(port, WorkspaceSnapshot::of(m_context.workspace()));
        const QString reading =
            inLanguage(m_context.language(), QStringLiteral("Reading the settings"),
                       QStringLiteral("读取功能设置"));
        QList<FleetRadioOutcome> read;
        FleetSteps::run(m_context, reads, reading,
                        [&read](const FleetRadioOutcome& outcome) { read << outcome; });
        for (const FleetRadioOutcome& outcome : std::as_const(read)) {
            if (!outcome.succeeded()) {
                tell(outcome);
                continue;
            }
            if (const std::optional<WorkspaceSnapshot> taken = withChannelList(outcome))
                writes.addRadio(outcome.port, *taken);
        }
    }

    // The radio's contents with the list's channels; nothing, with the radio told as
    // refused, when the list's rows do not fit it.
    std::optional<WorkspaceSnapshot> withChannelList(const FleetRadioOutcome& read)
    {
        m_context.workspace().takeRadioContents(read.contents);
        const ChannelFiles::Loaded loaded = ChannelFiles::loadChannels(m_context, m_path);
        bool refused = ChannelFiles::refusedForWriting(m_context, m_path, loaded);
        if (!refused) {
            for (const QString& row : loaded.skippedRows)
                m_context.note(row);
            refused = RadioSteps::checkWritable(m_context, m_name) != ExitStatus::Done;
        }
        if (!refused)
            return WorkspaceSnapshot::of(m_context.workspace());
        FleetRadioOutcome refusal;
        refusal.port = read.port;
        refusal.write.ending = Ending::Refused;
        refusal.readBackup = read.readBackup;
        tell(refusal);
        return std::nullopt;
    }

    void tell(const FleetRadioOutcome& outcome)
    {
        m_tally.count(outcome);
        FleetSteps::tell(m_context, outcome, FleetSteps::resultText(m_context, outcome));
        if (outcome.write.ending == Ending::Differences && !outcome.interrupted) {
            for (const QString& line :
                 differenceLinesWithRadio(outcome.write.differences, m_name, m_context.language()))
                m_context.out() << "  " << line << '\n';
        }
        // Unused bytes the radio keeps otherwise: a warning each, named by the radio's port.
        if (!outcome.interrupted)
            for (const ContentsDifference& kept : outcome.write.keptDifferently)
                m_context.error(QStringLiteral("%1: %2").arg(
                    outcome.port.description(),
                    SafeWriteText::keptDifferentlyWarning(kept, m_context.language())));
        m_status = FleetSteps::worse(m_status, FleetSteps::statusOf(outcome));
        m_status =
            FleetSteps::worse(m_status, FleetSteps::log(m_context, outcome,
                                                        FleetSteps::loggedName(m_context, m_path)));
    }

    CliContext& m_context;
    QString m_path;
    QString m_name;
    FleetTally& m_tally;
    ExitStatus m_status = ExitStatus::Done;
};

} // namespace

ExitStatus FleetCommands::write(CliContext& context, const QString& path)
{
    FleetTally tally;
    ExitStatus status = ExitStatus::Done;
    int radios = 0;
    do {
        ExitStatus failure = ExitStatus::Done;
        const std::optional<QList<FleetPort>> ports = FleetSteps::ports(context, failure);
        status = FleetSteps::worse(status, failure);
        // A name that is no port stays so: asking again would not help.
        if (failure == ExitStatus::Usage)
            return status;
        if (ports) {
            radios = int(ports->size());
            status =
                FleetSteps::worse(status, FleetWriter(context, path, tally).writeRound(*ports));
        }
    } while (context.line().repeat && !context.interrupted() &&
             FleetSteps::nextRoundWanted(context, radios));
    if (context.interrupted())
        status = RadioSteps::interrupted(context, RadioSteps::LeftAs::BetweenRadios);
    context.out() << FleetText::summary(tally, context.language()) << '\n';
    return status;
}

#include "backups/ContentsDifference.h"
#include "cli/ChannelFiles.h"
#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "cli/DifferenceLines.h"
#include "cli/RadioSteps.h"
#include "link/WritePlan.h"

namespace {

// What the radio would give back had the workspace been written to it: the texts as the
// radio decodes them, so a file is compared by what it programs, not by its spelling.
RadioContents asWritten(const Workspace& workspace)
{
    const WritePlan plan = WritePlan::compose(workspace.table, workspace.words, workspace.settings,
                                              workspace.bands.selectedText());
    return plan.sendable() ? plan.expectedReadBack(workspace.words) : workspace.radioContents();
}

} // namespace

ExitStatus Commands::verify(CliContext& context)
{
    const QString path = context.line().files.at(0);
    const ChannelFiles::Kind kind = ChannelFiles::kindToRead(context, path);
    if (kind == ChannelFiles::Kind::Unknown) {
        context.error(ChannelFiles::unknownKindText(context, path));
        return ExitStatus::FileProblem;
    }
    // The file is read before the radio, so a file that does not read costs no transfer; a
    // channel list's rows need the radio's band, and are taken after the read.
    const ChannelFiles::Loaded checked = kind == ChannelFiles::Kind::ChannelFile
                                             ? ChannelFiles::load(context, path)
                                             : ChannelFiles::checkChannelList(context, path);
    if (!checked.result.ok()) {
        context.error(checked.result.errorText());
        return ExitStatus::FileProblem;
    }
    const RadioContents fromFile = asWritten(context.workspace());

    if (const ExitStatus read = RadioSteps::readNamedPort(context); read != ExitStatus::Done)
        return read;
    const RadioContents inRadio = context.workspace().radioContents();

    RadioContents expected = fromFile;
    // A row that became no channel is a difference of its own: the radio cannot hold what
    // the list says.
    QStringList skippedRows;
    if (kind == ChannelFiles::Kind::ChannelList) {
        // A list holds channels only: the settings and band are the radio's own.
        const ChannelFiles::Loaded loaded = ChannelFiles::loadChannels(context, path);
        if (!loaded.result.ok()) {
            context.error(loaded.result.errorText());
            return ExitStatus::FileProblem;
        }
        skippedRows = loaded.skippedRows;
        expected = asWritten(context.workspace());
        expected.settings = inRadio.settings;
        expected.band = inRadio.band;
    }

    const QList<ContentsDifference> differences = compareContents(expected, inRadio);
    const QString radio = context.say(QStringLiteral("the radio"), QStringLiteral("电台"));
    const QString name = ChannelFiles::displayName(context, path);
    for (const QString& line : skippedRows)
        context.out() << line << '\n';
    for (const QString& line : differenceLines(differences, name, radio, context.language()))
        context.out() << line << '\n';
    if (differences.isEmpty() && skippedRows.isEmpty()) {
        context.note(context.say(QStringLiteral("The radio holds what %1 holds").arg(name),
                                 QStringLiteral("电台内容与 %1 相同").arg(name)));
        return ExitStatus::Done;
    }
    return ExitStatus::Differences;
}

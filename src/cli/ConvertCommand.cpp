#include "cli/ChannelFiles.h"
#include "cli/CliContext.h"
#include "cli/Commands.h"

ExitStatus Commands::convert(CliContext& context)
{
    const QString source = context.line().files.at(0);
    const QString target = context.line().files.at(1);
    if (ChannelFiles::kindOf(target) == ChannelFiles::Kind::Unknown) {
        context.error(ChannelFiles::unknownKindText(context, target));
        return ExitStatus::FileProblem;
    }
    // A channel list carries no settings or band: a channel file made from one gets the
    // start-up settings and the band selected in the window.
    const ChannelFiles::Loaded loaded = ChannelFiles::load(context, source);
    if (!loaded.result.ok()) {
        context.error(loaded.result.errorText());
        return ExitStatus::FileProblem;
    }
    const QString notWritten =
        context.say(QStringLiteral("%1 was not written"), QStringLiteral("未写入 %1")).arg(target);
    if (const FileResult rows =
            ChannelFiles::refuseSkippedRows(context, source, loaded.skippedRows, notWritten);
        !rows.ok()) {
        context.error(rows.errorText());
        return ExitStatus::FileProblem;
    }
    for (const QString& row : loaded.skippedRows)
        context.note(row);
    if (const FileResult saved = ChannelFiles::save(context, target); !saved.ok()) {
        context.error(saved.errorText());
        return ExitStatus::FileProblem;
    }
    return ExitStatus::Done;
}

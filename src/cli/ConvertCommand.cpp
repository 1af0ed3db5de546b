#include "cli/ChannelFiles.h"
#include "cli/CliContext.h"
#include "cli/Commands.h"

ExitStatus Commands::convert(CliContext& context)
{
    const QString source = context.line().files.at(0);
    const QString target = context.line().files.at(1);
    // To standard output the conversion goes to the other kind.
    const ChannelFiles::Kind forStandardOutput =
        ChannelFiles::kindToRead(context, source) == ChannelFiles::Kind::ChannelFile
            ? ChannelFiles::Kind::ChannelList
            : ChannelFiles::Kind::ChannelFile;
    if (ChannelFiles::kindToWrite(target, forStandardOutput) == ChannelFiles::Kind::Unknown) {
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
        context.say(QStringLiteral("%1 was not written"), QStringLiteral("未写入 %1"))
            .arg(ChannelFiles::displayName(context, target));
    if (const FileResult rows =
            ChannelFiles::refuseSkippedRows(context, source, loaded.skippedRows, notWritten);
        !rows.ok()) {
        context.error(rows.errorText());
        return ExitStatus::FileProblem;
    }
    for (const QString& row : loaded.skippedRows)
        context.note(row);
    if (const FileResult saved = ChannelFiles::save(context, target, forStandardOutput);
        !saved.ok()) {
        context.error(saved.errorText());
        return ExitStatus::FileProblem;
    }
    return ExitStatus::Done;
}

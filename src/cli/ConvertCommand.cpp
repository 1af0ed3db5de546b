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
    if (const FileResult loaded = ChannelFiles::load(context, source); !loaded.ok()) {
        context.error(loaded.errorText());
        return ExitStatus::FileProblem;
    }
    if (const FileResult saved = ChannelFiles::save(context, target, forStandardOutput);
        !saved.ok()) {
        context.error(saved.errorText());
        return ExitStatus::FileProblem;
    }
    return ExitStatus::Done;
}

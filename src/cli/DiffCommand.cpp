#include "backups/ContentsDifference.h"
#include "cli/ChannelFiles.h"
#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "cli/DifferenceLines.h"

#include <optional>

namespace {

std::optional<RadioContents> contentsOf(CliContext& context, const QString& path)
{
    if (const FileResult loaded = ChannelFiles::load(context, path); !loaded.ok()) {
        context.error(loaded.errorText());
        return std::nullopt;
    }
    return context.workspace().radioContents();
}

} // namespace

ExitStatus Commands::diff(CliContext& context)
{
    const QString first = context.line().files.at(0);
    const QString second = context.line().files.at(1);
    const std::optional<RadioContents> a = contentsOf(context, first);
    if (!a)
        return ExitStatus::FileProblem;
    const std::optional<RadioContents> b = contentsOf(context, second);
    if (!b)
        return ExitStatus::FileProblem;

    // A channel list holds channels only, so beside one only the channels are compared.
    RadioContents compared = *b;
    const bool channelsOnly =
        ChannelFiles::kindToRead(context, first) == ChannelFiles::Kind::ChannelList ||
        ChannelFiles::kindToRead(context, second) == ChannelFiles::Kind::ChannelList;
    if (channelsOnly) {
        compared.settings = a->settings;
        compared.band = a->band;
    }
    const QList<ContentsDifference> differences = compareContents(*a, compared);
    for (const QString& line :
         differenceLines(differences, ChannelFiles::displayName(context, first),
                         ChannelFiles::displayName(context, second), context.language()))
        context.out() << line << '\n';
    return differences.isEmpty() ? ExitStatus::Done : ExitStatus::Differences;
}

#include "backups/ContentsDifference.h"
#include "cli/ChannelFiles.h"
#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "cli/DifferenceLines.h"
#include "cli/DifferencesJson.h"
#include "cli/JsonOutput.h"

#include <optional>

namespace {

// What the file holds; a channel list's rows that did not become channels are added to
// `skippedRows`.
std::optional<RadioContents> contentsOf(CliContext& context, const QString& path,
                                        QStringList& skippedRows)
{
    const ChannelFiles::Loaded loaded = ChannelFiles::load(context, path);
    if (!loaded.result.ok()) {
        context.error(loaded.result.errorText());
        return std::nullopt;
    }
    skippedRows << loaded.skippedRows;
    return context.workspace().radioContents();
}

} // namespace

ExitStatus Commands::diff(CliContext& context)
{
    const QString first = context.line().files.at(0);
    const QString second = context.line().files.at(1);
    // A row that became no channel is a difference of its own: the file says more than it
    // can give.
    QStringList skippedRows;
    const std::optional<RadioContents> a = contentsOf(context, first, skippedRows);
    if (!a)
        return ExitStatus::FileProblem;
    const std::optional<RadioContents> b = contentsOf(context, second, skippedRows);
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
    if (context.line().json) {
        QJsonObject document = DifferencesJson::comparison(
            DifferencesJson::differences(differences, context.workspace().words,
                                         QStringLiteral("first"), QStringLiteral("second")),
            skippedRows);
        document.insert(QStringLiteral("files"), QJsonArray{first, second});
        JsonOutput::print(context, document);
    } else {
        for (const QString& line : skippedRows)
            context.out() << line << '\n';
        for (const QString& line :
             differenceLines(differences, ChannelFiles::displayName(context, first),
                             ChannelFiles::displayName(context, second), context.language()))
            context.out() << line << '\n';
    }
    return differences.isEmpty() && skippedRows.isEmpty() ? ExitStatus::Done
                                                          : ExitStatus::Differences;
}

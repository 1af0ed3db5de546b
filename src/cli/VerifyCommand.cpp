#include "cli/ChannelFiles.h"
#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "cli/DifferenceLines.h"
#include "cli/DifferencesJson.h"
#include "cli/FileComparison.h"
#include "cli/FleetCommands.h"
#include "cli/JsonOutput.h"
#include "cli/RadioSteps.h"

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
    if (context.line().isFleet())
        return FleetCommands::verify(context, path);
    const RadioContents fromFile = asWritten(context.workspace());

    if (const ExitStatus read = RadioSteps::readNamedPort(context); read != ExitStatus::Done)
        return read;
    const FileComparison comparison =
        FileComparison::of(context, path, fromFile, context.workspace().radioContents());
    if (!comparison.result.ok()) {
        context.error(comparison.result.errorText());
        return ExitStatus::FileProblem;
    }

    if (context.line().json) {
        QJsonObject document = DifferencesJson::comparison(
            DifferencesJson::differences(comparison.differences, context.workspace().words,
                                         QStringLiteral("file"), QStringLiteral("radio")),
            comparison.skippedRows);
        document.insert(QStringLiteral("file"), path);
        JsonOutput::print(context, document);
    }
    const QString name = ChannelFiles::displayName(context, path);
    if (!context.line().json) {
        for (const QString& line : comparison.skippedRows)
            context.out() << line << '\n';
        for (const QString& line :
             differenceLinesWithRadio(comparison.differences, name, context.language()))
            context.out() << line << '\n';
    }
    if (comparison.same()) {
        context.note(inLanguage(context.language(),
                                QStringLiteral("The radio holds what %1 holds").arg(name),
                                QStringLiteral("电台内容与 %1 相同").arg(name)));
        return ExitStatus::Done;
    }
    return ExitStatus::Differences;
}

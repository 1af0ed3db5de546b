#include "cli/ChannelFiles.h"
#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "cli/ContentsOutput.h"
#include "plans/ChannelSheet.h"
#include "workspace/FileIo.h"

#include <QFileInfo>
#include <QLocale>

ExitStatus Commands::sheet(CliContext& context)
{
    const QString source = context.line().files.at(0);
    const QString output = context.line().output;
    // A sheet written over a channel file by a slip of the fingers would lose the file.
    if (QFileInfo(output).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) != 0) {
        context.error(context.say(
            QStringLiteral("%1: the sheet is a PDF; give a name ending in .pdf").arg(output),
            QStringLiteral("%1：信道表为 PDF 文件；请给出以 .pdf 结尾的文件名").arg(output)));
        return ExitStatus::FileProblem;
    }
    const ChannelFiles::Loaded loaded = ChannelFiles::load(context, source);
    if (!loaded.result.ok()) {
        context.error(loaded.result.errorText());
        return ExitStatus::FileProblem;
    }
    // The sheet shows what became channels; the user hears which rows did not.
    for (const QString& row : loaded.skippedRows)
        context.note(row);
    const ChannelSheetContent content = ChannelSheet::contentOf(
        context.workspace(), context.localisation().applied(), context.language(),
        source == ChannelFiles::StandardStream ? ChannelFiles::displayName(context, source)
                                               : QFileInfo(source).fileName(),
        QDate::currentDate());
    const QByteArray pdf = ChannelSheet::pdf(content, ChannelSheet::pageSizeFor(QLocale()));
    if (const int error = FileIo::replaceFile(output, pdf); error != 0) {
        context.error(ChannelFiles::ioProblemText(context, error, output));
        return ExitStatus::FileProblem;
    }
    noteSaved(context, output);
    return ExitStatus::Done;
}

#include "cli/ChannelFiles.h"

#include "cli/CliContext.h"
#include "files/ChannelFileLayout.h"
#include "files/ChannelFileReader.h"
#include "files/ChannelFileWriter.h"
#include "files/ChannelListCsv.h"
#include "files/ChannelListCsvText.h"
#include "workspace/FileIo.h"
#include "workspace/IoErrorText.h"

#include <QFileInfo>

namespace ChannelFiles {

namespace {

FileResult ioFailure(const CliContext& context, int error, const QString& path)
{
    return FileResult::failed(ioProblemText(context, error, path));
}

FileIo::ReadOutcome readInput(const CliContext& context, const QString& path)
{
    return path == StandardStream ? context.standardInput() : FileIo::readFile(path);
}

// 0 when done, else the errno of the failing call. A failed write to standard output is
// told once, when the command ends.
int writeOutput(CliContext& context, const QString& path, const QByteArray& bytes)
{
    if (path != StandardStream)
        return FileIo::replaceFile(path, bytes);
    context.writeOutput(bytes);
    return 0;
}

// The name a channel file's or list's problem text gives the file.
QString fileNameOf(const CliContext& context, const QString& path)
{
    return path == StandardStream ? displayName(context, path) : QFileInfo(path).fileName();
}

ChannelListCsv::Placement placement(const CliContext& context)
{
    return context.line().inFileOrder ? ChannelListCsv::Placement::FileOrder
                                      : ChannelListCsv::Placement::ByLocation;
}

// Why a file is no channel list to take; for Locations that do not fit, with the way to
// take it all the same.
FileResult listProblem(const CliContext& context, const QString& path,
                       const ChannelListCsvProblem& problem)
{
    QString text =
        channelListCsvProblemText(fileNameOf(context, path), problem, context.language());
    if (problem.isLocationProblem())
        text += inLanguage(
            context.language(),
            QStringLiteral("; the list may be for another radio: give --in-file-order to fill "
                           "channels 1 to 16 in the list's order"),
            QStringLiteral("；该列表可能是为其他电台制作的：如需按列表顺序填入信道 1 至 16，"
                           "请加 --in-file-order"));
    return FileResult::failed(text);
}

QStringList skippedRowLines(const CliContext& context, const QString& path,
                            const QList<SkippedCsvRow>& skipped, const QString& band)
{
    QStringList lines;
    for (const SkippedCsvRow& row : skipped)
        lines << QStringLiteral("%1, %2").arg(fileNameOf(context, path),
                                              skippedCsvRowText(row, band, context.language()));
    return lines;
}

ChannelRows channelRows(const Workspace& workspace)
{
    ChannelRows rows;
    for (int row = Row::FirstChannel; row <= Row::LastChannel; ++row)
        rows[size_t(row - Row::FirstChannel)] = workspace.table.fields(row);
    return rows;
}

} // namespace

QString ioProblemText(const CliContext& context, int error, const QString& path)
{
    // The cause names the folder or file at fault, so the name the user gave comes first.
    return inLanguage(context.language(), QStringLiteral("%1: %2"), QStringLiteral("%1：%2"))
        .arg(displayName(context, path), ioErrorCause(error, path, context.language()));
}

QString displayName(const CliContext& context, const QString& path)
{
    return path == StandardStream ? inLanguage(context.language(), QStringLiteral("standard input"),
                                               QStringLiteral("标准输入"))
                                  : path;
}

Kind kindToRead(const CliContext& context, const QString& path)
{
    if (path != StandardStream)
        return kindOf(path);
    const std::string_view header = ChannelFileLayout::Header;
    return context.standardInput().bytes.startsWith(
               QByteArrayView(header.data(), qsizetype(header.size())))
               ? Kind::ChannelFile
               : Kind::ChannelList;
}

Kind kindToWrite(const QString& path, Kind forStandardOutput)
{
    return path == StandardStream ? forStandardOutput : kindOf(path);
}

Kind kindOf(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("f19"))
        return Kind::ChannelFile;
    if (suffix == QLatin1String("csv"))
        return Kind::ChannelList;
    return Kind::Unknown;
}

QString unknownKindText(const CliContext& context, const QString& path)
{
    return inLanguage(
        context.language(),
        QStringLiteral("%1: not a channel file; give a .F19 channel file or a .csv channel list")
            .arg(path),
        QStringLiteral("%1：不是信道文件；请给出 .F19 信道文件或 .csv 信道列表").arg(path));
}

Loaded loadChannels(CliContext& context, const QString& path)
{
    const FileIo::ReadOutcome file = readInput(context, path);
    if (file.error != 0)
        return {ioFailure(context, file.error, path), {}};
    Workspace& workspace = context.workspace();
    const QString band = workspace.bands.selectedText();
    const ImportedChannelList list =
        ChannelListCsv::read(file.bytes, band, workspace.words, placement(context));
    if (!list.ok())
        return {listProblem(context, path, *list.problem), {}};
    for (int row = Row::FirstChannel; row <= Row::LastChannel; ++row) {
        const QStringList& fields = list.channels[size_t(row - Row::FirstChannel)];
        for (int column = Column::FirstField; column <= Column::LastField; ++column)
            workspace.table.setText(row, column, fields.value(column - Column::FirstField));
    }
    return {FileResult::done(), skippedRowLines(context, path, list.skipped, band)};
}

Loaded checkChannelList(const CliContext& context, const QString& path)
{
    const FileIo::ReadOutcome file = readInput(context, path);
    if (file.error != 0)
        return {ioFailure(context, file.error, path), {}};
    const ImportedChannelList list =
        ChannelListCsv::readInAnyBand(file.bytes, context.workspace().words, placement(context));
    if (!list.ok())
        return {listProblem(context, path, *list.problem), {}};
    return {FileResult::done(),
            skippedRowLines(context, path, list.skipped, ChannelListCsv::AnyBand)};
}

FileResult refuseSkippedRows(const CliContext& context, const QString& path,
                             const QStringList& skippedRows, const QString& notDone)
{
    if (skippedRows.isEmpty() || context.line().skipBadRows)
        return FileResult::done();
    const qsizetype count = skippedRows.size();
    const QString heading =
        inLanguage(context.language(),
                   count == 1 ? QStringLiteral("%1: %2 cannot become a channel, so %3; correct "
                                               "it, or give --skip-bad-rows to leave it out:")
                              : QStringLiteral("%1: %2 cannot become channels, so %3; correct "
                                               "them, or give --skip-bad-rows to leave them out:"),
                   QStringLiteral("%1：有 %2无法成为信道，因此%3；请更正这些行，或加 "
                                  "--skip-bad-rows 略过它们："))
            .arg(fileNameOf(context, path), counted(context.language(), count, "row", "rows", "行"),
                 notDone);
    return FileResult::failed((QStringList{heading} + skippedRows).join(u'\n'));
}

bool refusedForWriting(CliContext& context, const QString& path, const Loaded& loaded)
{
    FileResult result = loaded.result;
    if (result.ok())
        result = refuseSkippedRows(context, path, loaded.skippedRows,
                                   inLanguage(context.language(),
                                              QStringLiteral("nothing was written to the radio"),
                                              QStringLiteral("未向电台写入任何数据")));
    if (!result.ok())
        context.error(result.errorText());
    return !result.ok();
}

Loaded load(CliContext& context, const QString& path)
{
    switch (kindToRead(context, path)) {
    case Kind::ChannelFile: {
        const FileIo::ReadOutcome file = readInput(context, path);
        if (file.error != 0)
            return {ioFailure(context, file.error, path), {}};
        const FileResult result = ChannelFileReader(context.workspace(), context.localisation())
                                      .read(file.bytes, fileNameOf(context, path));
        // The file may have switched the language to its own.
        context.restoreLanguage();
        return {result, {}};
    }
    case Kind::ChannelList:
        return loadChannels(context, path);
    case Kind::Unknown:
        break;
    }
    return {FileResult::failed(unknownKindText(context, path)), {}};
}

FileResult save(CliContext& context, const QString& path, Kind forStandardOutput)
{
    switch (kindToWrite(path, forStandardOutput)) {
    case Kind::ChannelFile:
        if (const int error =
                writeOutput(context, path, ChannelFileWriter(context.workspace()).contents());
            error != 0)
            return ioFailure(context, error, path);
        return FileResult::done();
    case Kind::ChannelList: {
        const ExportedChannelList list =
            ChannelListCsv::write(channelRows(context.workspace()), context.workspace().words);
        if (!list.ok())
            return FileResult::failed(QStringLiteral("%1: %2").arg(
                path, channelListCsvExportProblemText(*list.problem, context.language())));
        if (const int error = writeOutput(context, path, list.bytes); error != 0)
            return ioFailure(context, error, path);
        return FileResult::done();
    }
    case Kind::Unknown:
        break;
    }
    return FileResult::failed(unknownKindText(context, path));
}

} // namespace ChannelFiles

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
    return context
        .say(QStringLiteral("%1: %2; check the file's name and folder and that you may use them"),
             QStringLiteral("%1：%2；请检查文件名和文件夹，以及您是否有权使用它们"))
        .arg(displayName(context, path), ioErrorText(error, path));
}

QString displayName(const CliContext& context, const QString& path)
{
    return path == StandardStream
               ? context.say(QStringLiteral("standard input"), QStringLiteral("标准输入"))
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
    return context.say(
        QStringLiteral("%1: not a channel file; give a .F19 channel file or a .csv channel list")
            .arg(path),
        QStringLiteral("%1：不是信道文件；请给出 .F19 信道文件或 .csv 信道列表").arg(path));
}

FileResult loadChannels(CliContext& context, const QString& path)
{
    const FileIo::ReadOutcome file = readInput(context, path);
    if (file.error != 0)
        return ioFailure(context, file.error, path);
    Workspace& workspace = context.workspace();
    const QString band = workspace.bands.selectedText();
    const ImportedChannelList list = ChannelListCsv::read(file.bytes, band, workspace.words);
    if (!list.ok())
        return FileResult::failed(channelListCsvProblemText(fileNameOf(context, path),
                                                            *list.problem, context.language()));
    for (const SkippedCsvRow& skipped : list.skipped)
        context.note(QStringLiteral("%1, %2").arg(
            fileNameOf(context, path), skippedCsvRowText(skipped, band, context.language())));
    for (int row = Row::FirstChannel; row <= Row::LastChannel; ++row) {
        const QStringList& fields = list.channels[size_t(row - Row::FirstChannel)];
        for (int column = Column::FirstField; column <= Column::LastField; ++column)
            workspace.table.setText(row, column, fields.value(column - Column::FirstField));
    }
    return FileResult::done();
}

FileResult checkChannelList(const CliContext& context, const QString& path)
{
    const FileIo::ReadOutcome file = readInput(context, path);
    if (file.error != 0)
        return ioFailure(context, file.error, path);
    const Workspace& workspace = context.workspace();
    const ImportedChannelList list =
        ChannelListCsv::read(file.bytes, workspace.bands.selectedText(), workspace.words);
    using Kind = ChannelListCsvProblem::Kind;
    if (list.ok() || list.problem->kind == Kind::NothingImported ||
        list.problem->kind == Kind::BandUnreadable)
        return FileResult::done();
    return FileResult::failed(
        channelListCsvProblemText(fileNameOf(context, path), *list.problem, context.language()));
}

FileResult load(CliContext& context, const QString& path)
{
    switch (kindToRead(context, path)) {
    case Kind::ChannelFile: {
        const FileIo::ReadOutcome file = readInput(context, path);
        if (file.error != 0)
            return ioFailure(context, file.error, path);
        const FileResult result = ChannelFileReader(context.workspace(), context.localisation())
                                      .read(file.bytes, fileNameOf(context, path));
        // The file may have switched the language to its own.
        context.restoreLanguage();
        return result;
    }
    case Kind::ChannelList:
        return loadChannels(context, path);
    case Kind::Unknown:
        break;
    }
    return FileResult::failed(unknownKindText(context, path));
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

#include "files/ChannelListFile.h"

#include "files/ChannelListCsv.h"
#include "files/ChannelListCsvText.h"
#include "files/SkippedLinesText.h"
#include "workspace/FileIo.h"
#include "workspace/IoErrorText.h"
#include "workspace/MessageIds.h"
#include "workspace/Messenger.h"
#include "workspace/Workspace.h"

#include <QFileInfo>

namespace {

QString skippedSummary(const QString& fileName, const QList<SkippedCsvRow>& skipped,
                       const QString& band, Language language)
{
    if (skipped.isEmpty())
        return {};
    const QString count = QString::number(skipped.size());
    const QString heading =
        language == Language::English
            ? QStringLiteral("%1: %2 rows were not imported:").arg(fileName, count)
            : QStringLiteral("%1：有 %2 行未导入：").arg(fileName, count);
    QStringList lines;
    for (const SkippedCsvRow& row : skipped.mid(0, SkippedLinesText::ListedLines))
        lines << skippedCsvRowText(row, band, language);
    return SkippedLinesText::listed(heading, lines, skipped.size(), language);
}

} // namespace

namespace ChannelListFile {

bool isChannelList(const QString& path)
{
    return path.endsWith(Extension, Qt::CaseInsensitive);
}

FileResult exportTo(const Workspace& workspace, const QString& path)
{
    ChannelRows rows;
    for (int row = Row::FirstChannel; row <= Row::LastChannel; ++row)
        rows[size_t(row - Row::FirstChannel)] = workspace.table.fields(row);
    const ExportedChannelList exported = ChannelListCsv::write(rows, workspace.words);
    if (!exported.ok())
        return FileResult::failed(
            channelListCsvExportProblemText(*exported.problem, workspace.checkedLanguage));
    const int error = FileIo::replaceFile(path, exported.bytes);
    if (error != 0)
        return FileResult::failed(ioErrorText(error, path));
    return FileResult::done();
}

Imported importFrom(Workspace& workspace, const QString& path, Messenger& messenger)
{
    const FileIo::ReadOutcome file = FileIo::readFile(path);
    if (file.error != 0)
        return {FileResult::failed(ioErrorText(file.error, path)), {}};
    const QString band = workspace.bands.selectedText();
    const Language language = workspace.checkedLanguage;
    const QString fileName = QFileInfo(path).fileName();
    ImportedChannelList list = ChannelListCsv::read(file.bytes, band, workspace.words);
    if (!list.ok() && list.problem->isLocationProblem()) {
        const ChannelListCsvProblem problem = *list.problem;
        const bool fileOrder = messenger.show(
            Message::PromptTitle, Message::ConfirmListInFileOrder, [&](Language shownIn) {
                return channelListCsvProblemText(fileName, problem, shownIn);
            });
        if (!fileOrder)
            return {FileResult::done(), {}, true};
        list = ChannelListCsv::read(file.bytes, band, workspace.words,
                                    ChannelListCsv::Placement::FileOrder);
    }
    const QString summary = skippedSummary(fileName, list.skipped, band, language);
    if (!list.ok()) {
        QString text = channelListCsvProblemText(fileName, *list.problem, language);
        if (!summary.isEmpty())
            text += u'\n' + summary;
        return {FileResult::failed(text), {}};
    }
    Workspace::Channels channels;
    for (size_t index = 0; index < channels.size(); ++index) {
        for (int field = 0; field < RadioContents::FieldCount; ++field)
            channels[index][size_t(field)] = list.channels[index].value(field);
    }
    workspace.replaceChannels(channels);
    return {FileResult::done(), summary};
}

} // namespace ChannelListFile

#include "plans/UserPlans.h"

#include "channels/FrequencyNormaliser.h"
#include "files/ChannelFileParser.h"
#include "files/ChannelFileProblemText.h"
#include "files/ChannelListCsv.h"
#include "files/ChannelListCsvText.h"
#include "files/ChannelPaste.h"
#include "files/CsvRecords.h"
#include "plans/PlanTexts.h"
#include "workspace/BuiltInLanguages.h"
#include "workspace/ChannelTable.h"
#include "workspace/FileIo.h"
#include "workspace/IoErrorText.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// A plan is read without a band: the band is checked when it fills the grid, so that a
// channel outside the band selected then is listed rather than changed. This band holds
// every frequency the radio can take.
const QString AnyFrequency = QStringLiteral("100-999MHz");

// The words the files' cells are read into; the plan keeps what they mean, not the words.
const CellWords& readingWords()
{
    return BuiltInLanguages::words(Language::English);
}

PlanChannel planChannel(const QString& name, const QStringList& cells)
{
    const CellWords& words = readingWords();
    const auto cell = [&cells](int column) { return cells.value(column - Column::FirstField); };
    const auto tone = [&](int column) {
        return cell(column) == words.offWord ? QString() : cell(column);
    };
    PlanChannel channel;
    channel.name = name;
    channel.rxFrequency = FrequencyNormaliser::toChannelStep(cell(Column::RxFrequency)).value_or(0);
    channel.txFrequency = FrequencyNormaliser::toChannelStep(cell(Column::TxFrequency)).value_or(0);
    channel.rxTone = tone(Column::RxTone);
    channel.txTone = tone(Column::TxTone);
    channel.highPower = cell(Column::Power) == words.highWord;
    channel.wideband = cell(Column::OptionA) == words.onWord;
    channel.busyLock = cell(Column::OptionB) == words.onWord;
    channel.scramble = cell(Column::OptionC) == words.onWord;
    return channel;
}

void readChannelList(UserPlans::Loaded& loaded, const QByteArray& bytes, const QString& fileName,
                     Language language)
{
    const ImportedChannelList list = ChannelListCsv::read(bytes, AnyFrequency, readingWords());
    for (const SkippedCsvRow& skipped : list.skipped)
        loaded.leftOut.append(skippedCsvRowText(skipped, AnyFrequency, language));
    if (!list.ok()) {
        loaded.problem = channelListCsvProblemText(fileName, *list.problem, language);
        return;
    }
    int number = 0;
    for (const QStringList& cells : list.channels) {
        if (!cells.value(0).isEmpty())
            loaded.plan.channels.append(planChannel(QString::number(++number), cells));
    }
}

// A channel file's rows are checked as pasted lines are, in the words of either language.
void readChannelFile(UserPlans::Loaded& loaded, const QByteArray& bytes, const QString& fileName,
                     Language language)
{
    const ParsedChannelFile file = ChannelFileParser::parse(bytes);
    if (!file.ok()) {
        loaded.problem = channelFileProblemText(fileName, *file.problem, language);
        return;
    }
    QString lines;
    for (const QStringList& row : file.content.channels)
        lines += CsvRecords::join(row, u'\t') + u'\n';
    const PastedChannels channels =
        ChannelPaste::read(lines, Row::FirstChannel, AnyFrequency, readingWords());
    for (const SkippedPasteLine& skipped : channels.skipped) {
        loaded.leftOut.append(PlanTexts::fileChannelLeftOut(
            skipped.line, ChannelPaste::skippedReason(skipped, AnyFrequency, language), language));
    }
    for (const PastedLine& line : channels.lines) {
        if (line.channel[0].isEmpty())
            continue;
        const QStringList cells(line.channel.begin(), line.channel.end());
        loaded.plan.channels.append(planChannel(QString::number(line.row), cells));
    }
}

} // namespace

namespace UserPlans {

QString folder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/qv3307/plans");
}

QStringList files(const QString& folder)
{
    QStringList paths;
    const QFileInfoList entries =
        QDir(folder).entryInfoList(QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& entry : entries) {
        const QString suffix = entry.suffix().toLower();
        if (suffix == QLatin1String("csv") || suffix == QLatin1String("f19"))
            paths.append(entry.filePath());
    }
    return paths;
}

Loaded load(const QString& path, Language language)
{
    const FileIo::ReadOutcome file = FileIo::readFile(path);
    if (file.error != 0) {
        Loaded loaded;
        loaded.plan = {QFileInfo(path).fileName(), path, {}};
        loaded.problem =
            QStringLiteral("%1: %2").arg(QFileInfo(path).fileName(), ioErrorText(file.error, path));
        return loaded;
    }
    return fromBytes(file.bytes, path, language);
}

Loaded fromBytes(const QByteArray& bytes, const QString& path, Language language)
{
    const QString fileName = QFileInfo(path).fileName();
    Loaded loaded;
    loaded.plan = {fileName, path, {}};
    if (QFileInfo(path).suffix().toLower() == QLatin1String("csv"))
        readChannelList(loaded, bytes, fileName, language);
    else
        readChannelFile(loaded, bytes, fileName, language);
    if (loaded.ok() && loaded.plan.channels.isEmpty())
        loaded.problem = PlanTexts::noChannel(fileName, language);
    return loaded;
}

} // namespace UserPlans

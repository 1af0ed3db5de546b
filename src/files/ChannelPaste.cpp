#include "files/ChannelPaste.h"

#include "channels/ChannelEditor.h"
#include "channels/FrequencyNormaliser.h"
#include "files/ChannelCellName.h"
#include "files/CsvRecords.h"
#include "files/SkippedLinesText.h"
#include "workspace/ChannelTable.h"
#include "workspace/LanguageWords.h"
#include "workspace/ToneList.h"
#include "workspace/Workspace.h"

#include <optional>

namespace {

using Reason = SkippedPasteLine::Reason;
constexpr QChar Tab = u'\t';

struct BandLimits
{
    std::optional<qint64> lower;
    std::optional<qint64> upper;

    explicit BandLimits(const QString& band)
        : lower(FrequencyNormaliser::toBandLimit(FrequencyNormaliser::lowerLimitText(band))),
          upper(FrequencyNormaliser::toBandLimit(FrequencyNormaliser::upperLimitText(band)))
    {
    }

    // The band is half open: its upper limit is no usable frequency.
    bool holds(qint64 frequency) const
    {
        return lower && upper && frequency >= *lower && frequency < *upper;
    }
};

// Reads one line's cells into a channel, or notes the first cell that does not fit.
class LineReader
{
public:
    LineReader(const BandLimits& band, const CellWords& words) : m_band(band), m_words(words) {}

    std::optional<RadioContents::Channel> read(QStringList cells)
    {
        for (QString& cell : cells)
            cell = cell.trimmed();
        for (qsizetype extra = RadioContents::FieldCount; extra < cells.size(); ++extra) {
            if (!cells[extra].isEmpty())
                return fail(Reason::TooManyCells, 0, cells[extra]);
        }
        RadioContents::Channel channel;
        const auto cell = [&cells](int column) {
            return cells.value(RadioContents::fieldIndex(column));
        };
        if (cell(Column::RxFrequency).isEmpty()) {
            for (int column = Column::FirstField; column <= Column::LastField; ++column) {
                if (!cell(column).isEmpty())
                    return fail(Reason::NoReceiveFrequency, column, cell(column));
            }
            return channel; // an empty channel
        }
        for (int column = Column::FirstField; column <= Column::LastField; ++column) {
            QString text = cell(column);
            if (text.isEmpty()) {
                text = column == Column::TxFrequency
                           ? cell(Column::RxFrequency)
                           : ChannelEditor::newChannelWord(column, m_words);
            }
            const std::optional<QString> checked = checkedCell(column, text);
            if (!checked)
                return std::nullopt;
            channel[RadioContents::fieldIndex(column)] = *checked;
        }
        return channel;
    }

    const SkippedPasteLine& problem() const { return m_problem; }

private:
    std::optional<QString> checkedCell(int column, const QString& text)
    {
        if (Column::isFrequency(column)) {
            const std::optional<qint64> frequency = FrequencyNormaliser::toChannelStep(text);
            if (!frequency)
                return fail(Reason::NotANumber, column, text);
            if (!m_band.holds(*frequency))
                return fail(Reason::OutsideBand, column, text);
            return FrequencyNormaliser::toText(*frequency, FrequencyNormaliser::separator());
        }
        const QString word = LanguageWords::reworded(column, text, m_words);
        if (LanguageWords::isColumnWord(column, word, m_words))
            return word;
        if (Column::isTone(column)) {
            if (ToneList::toneTexts().contains(text))
                return text;
            return fail(Reason::NotATone, column, text);
        }
        return fail(Reason::NotAWord, column, text);
    }

    std::nullopt_t fail(Reason reason, int column, const QString& value)
    {
        m_problem.reason = reason;
        m_problem.column = column;
        m_problem.value = value;
        return std::nullopt;
    }

    const BandLimits& m_band;
    const CellWords& m_words;
    SkippedPasteLine m_problem;
};

QString englishReason(const SkippedPasteLine& line, const QString& band)
{
    const QString value = QStringLiteral("\"%1\"").arg(SkippedLinesText::valueExcerpt(line.value));
    const QString cell = channelCellName(line.column, Language::English);
    switch (line.reason) {
    case Reason::NoReceiveFrequency:
        return QStringLiteral("it has no receive frequency");
    case Reason::NotANumber:
        return QStringLiteral("the %1 %2 is not a number").arg(cell, value);
    case Reason::OutsideBand:
        return QStringLiteral("the %1 %2 is outside the band %3").arg(cell, value, band);
    case Reason::NotATone:
        return QStringLiteral("the %1 %2 is not a tone of this radio").arg(cell, value);
    case Reason::NotAWord:
        return QStringLiteral("the %1 %2 is not one of its two words").arg(cell, value);
    case Reason::TooManyCells:
        return QStringLiteral("it has more than 8 cells");
    case Reason::NoChannelLeft:
        return QStringLiteral("the radio has only 16 channels");
    case Reason::UnclosedQuote:
        return QStringLiteral("a quoted cell opens in it and is never closed");
    }
    return {};
}

QString chineseReason(const SkippedPasteLine& line, const QString& band)
{
    const QString value = QStringLiteral("“%1”").arg(SkippedLinesText::valueExcerpt(line.value));
    const QString cell = channelCellName(line.column, Language::Chinese);
    switch (line.reason) {
    case Reason::NoReceiveFrequency:
        return QStringLiteral("没有接收频率");
    case Reason::NotANumber:
        return QStringLiteral("%1%2不是数字").arg(cell, value);
    case Reason::OutsideBand:
        return QStringLiteral("%1%2超出频段 %3").arg(cell, value, band);
    case Reason::NotATone:
        return QStringLiteral("%1%2不是本机支持的亚音").arg(cell, value);
    case Reason::NotAWord:
        return QStringLiteral("%1%2不是该列的两个值之一").arg(cell, value);
    case Reason::TooManyCells:
        return QStringLiteral("超过 8 个单元格");
    case Reason::NoChannelLeft:
        return QStringLiteral("本机只有 16 个信道");
    case Reason::UnclosedQuote:
        return QStringLiteral("其中的引号单元格没有结束引号");
    }
    return {};
}

} // namespace

namespace ChannelPaste {

QString copiedText(const ChannelTable& table, int firstRow, int lastRow)
{
    QString text;
    for (int row = firstRow; row <= lastRow; ++row)
        text += CsvRecords::join(table.fields(row), Tab) + u'\n';
    return text;
}

PastedChannels read(const QString& text, int firstRow, const QString& band, const CellWords& words)
{
    const BandLimits limits(band);
    PastedChannels pasted;
    const CsvRecords::Split split = CsvRecords::split(text, Tab);
    int row = firstRow;
    for (const CsvRecords::Record& record : split.records) {
        const int line = record.row;
        if (!Row::isChannel(row)) {
            pasted.skipped.append({line, 0, Reason::NoChannelLeft, {}});
            continue;
        }
        if (record.unclosedQuote) {
            pasted.skipped.append({line, 0, Reason::UnclosedQuote, {}});
            ++row;
            continue;
        }
        LineReader reader(limits, words);
        if (const std::optional<RadioContents::Channel> channel = reader.read(record.fields)) {
            pasted.lines.append({row, *channel});
        } else {
            SkippedPasteLine skipped = reader.problem();
            skipped.line = line;
            pasted.skipped.append(skipped);
        }
        ++row;
    }
    return pasted;
}

QString paste(Workspace& workspace, const QString& text, int firstRow)
{
    const QString band = workspace.bands.selectedText();
    const PastedChannels pasted = read(text, firstRow, band, workspace.words);
    for (const PastedLine& line : pasted.lines) {
        for (int column = Column::FirstField; column <= Column::LastField; ++column)
            workspace.table.setText(line.row, column,
                                    line.channel[RadioContents::fieldIndex(column)]);
    }
    workspace.recordEdit();
    return skippedText(pasted.skipped, band, workspace.checkedLanguage);
}

QString skippedReason(const SkippedPasteLine& line, const QString& band, Language language)
{
    return language == Language::English ? englishReason(line, band) : chineseReason(line, band);
}

QString skippedText(const QList<SkippedPasteLine>& skipped, const QString& band, Language language)
{
    if (skipped.isEmpty())
        return {};
    const bool english = language == Language::English;
    const QString count = QString::number(skipped.size());
    const QString heading =
        english ? QStringLiteral("%1 pasted lines did not fit and were skipped:").arg(count)
                : QStringLiteral("粘贴的内容中有 %1 行不符合要求，已跳过：").arg(count);
    QStringList lines;
    for (const SkippedPasteLine& line : skipped.mid(0, SkippedLinesText::ListedLines)) {
        const QString number = QString::number(line.line);
        lines << (english ? QStringLiteral("line %1: %2").arg(number, englishReason(line, band))
                          : QStringLiteral("第 %1 行：%2").arg(number, chineseReason(line, band)));
    }
    return SkippedLinesText::listed(heading, lines, skipped.size(), language);
}

} // namespace ChannelPaste

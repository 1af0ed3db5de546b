#include "files/ChannelListCsvText.h"

#include "files/ChannelCellName.h"
#include "files/SkippedLinesText.h"
#include "workspace/ChannelColumn.h"

namespace {

// Longer header lines are cut here, so the message stays one readable line.
constexpr qsizetype QuotedHeaderLength = 60;

QString quoted(const QString& text, Language language)
{
    return language == Language::English ? QStringLiteral("\"%1\"").arg(text)
                                         : QStringLiteral("“%1”").arg(text);
}

QString headerExcerpt(const QString& header)
{
    return header.size() <= QuotedHeaderLength ? header : header.left(QuotedHeaderLength) + u'…';
}

QString englishProblem(const ChannelListCsvProblem& problem)
{
    using Kind = ChannelListCsvProblem::Kind;
    switch (problem.kind) {
    case Kind::Empty:
        return QStringLiteral("the file is empty; a channel list starts with a header line "
                              "naming its columns");
    case Kind::Binary:
        return QStringLiteral("it holds binary data; a channel list is a text file");
    case Kind::NotUtf8:
        return QStringLiteral("it is not UTF-8 text; save it from the spreadsheet as "
                              "\"CSV UTF-8\"");
    case Kind::NoFrequencyColumn:
        return QStringLiteral("the header line has no \"Frequency\" column; it reads %1")
            .arg(quoted(headerExcerpt(problem.found), Language::English));
    case Kind::UnclosedQuote:
        return QStringLiteral("a quoted field opens here and is never closed");
    case Kind::BandUnreadable:
        return QStringLiteral("the selected band %1 gives no frequency limits")
            .arg(quoted(problem.found, Language::English));
    case Kind::NoRows:
        return QStringLiteral("it has a header line but no channel rows; nothing was changed");
    case Kind::NothingImported:
        return QStringLiteral("not one of its rows can become a channel; nothing was changed");
    case Kind::LocationNotAChannel:
        if (problem.found.isEmpty())
            return QStringLiteral("the Location is empty, not a channel from 1 to 16");
        return QStringLiteral("the Location %1 is not a channel from 1 to 16")
            .arg(quoted(SkippedLinesText::valueExcerpt(problem.found), Language::English));
    case Kind::LocationRepeated:
        return QStringLiteral("the Location %1 is also that of row %2")
            .arg(quoted(problem.found, Language::English), QString::number(problem.earlierRow));
    }
    return {};
}

QString chineseProblem(const ChannelListCsvProblem& problem)
{
    using Kind = ChannelListCsvProblem::Kind;
    switch (problem.kind) {
    case Kind::Empty:
        return QStringLiteral("文件为空；信道列表应以列名标题行开头");
    case Kind::Binary:
        return QStringLiteral("其中含有二进制数据；信道列表应为文本文件");
    case Kind::NotUtf8:
        return QStringLiteral("该文件不是 UTF-8 文本；请在电子表格中另存为“CSV UTF-8”");
    case Kind::NoFrequencyColumn:
        return QStringLiteral("标题行中没有“Frequency”列；该行为%1")
            .arg(quoted(headerExcerpt(problem.found), Language::Chinese));
    case Kind::UnclosedQuote:
        return QStringLiteral("此处的引号字段没有结束引号");
    case Kind::BandUnreadable:
        return QStringLiteral("所选频段%1无法给出频率范围")
            .arg(quoted(problem.found, Language::Chinese));
    case Kind::NoRows:
        return QStringLiteral("只有标题行，没有信道行；未做任何更改");
    case Kind::NothingImported:
        return QStringLiteral("没有任何一行可以成为信道；未做任何更改");
    case Kind::LocationNotAChannel:
        if (problem.found.isEmpty())
            return QStringLiteral("Location 为空，不是 1 至 16 的信道号");
        return QStringLiteral("Location %1不是 1 至 16 的信道号")
            .arg(quoted(SkippedLinesText::valueExcerpt(problem.found), Language::Chinese));
    case Kind::LocationRepeated:
        return QStringLiteral("Location %1与第 %2 行重复")
            .arg(quoted(problem.found, Language::Chinese), QString::number(problem.earlierRow));
    }
    return {};
}

QString englishSkipped(const SkippedCsvRow& skipped, const QString& band)
{
    using Reason = SkippedCsvRow::Reason;
    const QString value = quoted(SkippedLinesText::valueExcerpt(skipped.value), Language::English);
    switch (skipped.reason) {
    case Reason::NoReceiveFrequency:
        return QStringLiteral("it has no frequency");
    case Reason::NotANumber:
        return QStringLiteral("%1 (%2) is not a number").arg(value, skipped.column);
    case Reason::ReceiveOutsideBand:
        return QStringLiteral("the frequency %1 is outside the band %2").arg(value, band);
    case Reason::TransmitOutsideBand:
        return QStringLiteral("the transmit frequency %1 is outside the band %2").arg(value, band);
    case Reason::UnknownValue:
        return QStringLiteral("%1 is not a value of %2 this program knows")
            .arg(value, skipped.column);
    case Reason::ToneNotInList:
        return QStringLiteral("the tone %1 (%2) is not a tone of this radio")
            .arg(value, skipped.column);
    case Reason::NoChannelLeft:
        return QStringLiteral("the radio has only 16 channels");
    }
    return {};
}

QString chineseSkipped(const SkippedCsvRow& skipped, const QString& band)
{
    using Reason = SkippedCsvRow::Reason;
    const QString value = quoted(SkippedLinesText::valueExcerpt(skipped.value), Language::Chinese);
    switch (skipped.reason) {
    case Reason::NoReceiveFrequency:
        return QStringLiteral("没有频率");
    case Reason::NotANumber:
        return QStringLiteral("%1（%2）不是数字").arg(value, skipped.column);
    case Reason::ReceiveOutsideBand:
        return QStringLiteral("频率%1超出频段 %2").arg(value, band);
    case Reason::TransmitOutsideBand:
        return QStringLiteral("发射频率%1超出频段 %2").arg(value, band);
    case Reason::UnknownValue:
        return QStringLiteral("%1不是 %2 列可识别的值").arg(value, skipped.column);
    case Reason::ToneNotInList:
        return QStringLiteral("亚音%1（%2）不是本机支持的亚音").arg(value, skipped.column);
    case Reason::NoChannelLeft:
        return QStringLiteral("本机只有 16 个信道");
    }
    return {};
}

} // namespace

QString channelListCsvProblemText(const QString& fileName, const ChannelListCsvProblem& problem,
                                  Language language)
{
    // One pass over all the parts, so a "%" in the file's name stays as it is.
    const bool english = language == Language::English;
    const QString text = english ? englishProblem(problem) : chineseProblem(problem);
    if (problem.row == 0)
        return english ? QStringLiteral("%1: %2").arg(fileName, text)
                       : QStringLiteral("%1：%2").arg(fileName, text);
    const QString row = QString::number(problem.row);
    return english ? QStringLiteral("%1, row %2: %3").arg(fileName, row, text)
                   : QStringLiteral("%1，第 %2 行：%3").arg(fileName, row, text);
}

QString skippedCsvRowText(const SkippedCsvRow& skipped, const QString& band, Language language)
{
    const QString row = QString::number(skipped.row);
    if (language == Language::English)
        return QStringLiteral("row %1: %2").arg(row, englishSkipped(skipped, band));
    return QStringLiteral("第 %1 行：%2").arg(row, chineseSkipped(skipped, band));
}

QString channelListCsvExportProblemText(const ChannelListCsvExportProblem& problem,
                                        Language language)
{
    const QString channel = QString::number(problem.channel);
    const QString cell = channelCellName(problem.column, language);
    const QString text = quoted(problem.text, language);
    if (Column::isFrequency(problem.column)) {
        if (language == Language::English)
            return QStringLiteral("channel %1: the %2 %3 is not a frequency of 100–550 MHz")
                .arg(channel, cell, text);
        return QStringLiteral("信道 %1：%2%3不是 100–550 MHz 的频率").arg(channel, cell, text);
    }
    if (language == Language::English)
        return QStringLiteral("channel %1: the %2 %3 is not a tone of this radio")
            .arg(channel, cell, text);
    return QStringLiteral("信道 %1：%2%3不是本机支持的亚音").arg(channel, cell, text);
}

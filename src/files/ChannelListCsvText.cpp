#include "files/ChannelListCsvText.h"

#include "files/SkippedLinesText.h"
#include "workspace/BuiltInLanguages.h"
#include "workspace/ChannelColumn.h"

namespace {

// Longer header lines are cut here, so the message stays one readable line.
constexpr qsizetype QuotedHeaderLength = 60;

QString headerExcerpt(const QString& header)
{
    return header.size() <= QuotedHeaderLength ? header : header.left(QuotedHeaderLength) + u'…';
}

QString problemText(const ChannelListCsvProblem& problem, Language language)
{
    using Kind = ChannelListCsvProblem::Kind;
    switch (problem.kind) {
    case Kind::Empty:
        return inLanguage(language,
                          "the file is empty; a channel list starts with a header line naming its "
                          "columns",
                          "文件为空；信道列表应以列名标题行开头");
    case Kind::Binary:
        return inLanguage(language, "it holds binary data; a channel list is a text file",
                          "其中含有二进制数据；信道列表应为文本文件");
    case Kind::NotUtf8:
        return inLanguage(language,
                          "it is not UTF-8 text; save it from the spreadsheet as \"CSV UTF-8\"",
                          "该文件不是 UTF-8 文本；请在电子表格中另存为“CSV UTF-8”");
    case Kind::NoFrequencyColumn:
        return inLanguage(
                   language,
                   QStringLiteral("the header line has no \"Frequency\" column; it reads %1"),
                   QStringLiteral("标题行中没有“Frequency”列；该行为%1"))
            .arg(quoted(language, headerExcerpt(problem.found)));
    case Kind::UnclosedQuote:
        return inLanguage(language, "a quoted field opens here and is never closed",
                          "此处的引号字段没有结束引号");
    case Kind::BandUnreadable:
        return inLanguage(language,
                          QStringLiteral("the selected band %1 gives no frequency limits"),
                          QStringLiteral("所选频段%1无法给出频率范围"))
            .arg(quoted(language, problem.found));
    case Kind::NoRows:
        return inLanguage(language, "it has a header line but no channel rows; nothing was changed",
                          "只有标题行，没有信道行；未做任何更改");
    case Kind::NothingImported:
        return inLanguage(language, "not one of its rows can become a channel; nothing was changed",
                          "没有任何一行可以成为信道；未做任何更改");
    case Kind::LocationNotAChannel:
        if (problem.found.isEmpty())
            return inLanguage(language, "the Location is empty, not a channel from 1 to 16",
                              "Location 为空，不是 1 至 16 的信道号");
        return inLanguage(language, QStringLiteral("the Location %1 is not a channel from 1 to 16"),
                          QStringLiteral("Location %1不是 1 至 16 的信道号"))
            .arg(quoted(language, SkippedLinesText::valueExcerpt(problem.found)));
    case Kind::LocationRepeated:
        return inLanguage(language, QStringLiteral("the Location %1 is also that of row %2"),
                          QStringLiteral("Location %1与第 %2 行重复"))
            .arg(quoted(language, problem.found), QString::number(problem.earlierRow));
    }
    return {};
}

QString skippedText(const SkippedCsvRow& skipped, const QString& band, Language language)
{
    using Reason = SkippedCsvRow::Reason;
    const QString value = quoted(language, SkippedLinesText::valueExcerpt(skipped.value));
    switch (skipped.reason) {
    case Reason::NoReceiveFrequency:
        return inLanguage(language, "it has no frequency", "没有频率");
    case Reason::NotANumber:
        return inLanguage(language, QStringLiteral("%1 (%2) is not a number"),
                          QStringLiteral("%1（%2）不是数字"))
            .arg(value, skipped.column);
    case Reason::ReceiveOutsideBand:
        return inLanguage(language, QStringLiteral("the frequency %1 is outside the band %2"),
                          QStringLiteral("频率%1超出频段 %2"))
            .arg(value, band);
    case Reason::TransmitOutsideBand:
        return inLanguage(language,
                          QStringLiteral("the transmit frequency %1 is outside the band %2"),
                          QStringLiteral("发射频率%1超出频段 %2"))
            .arg(value, band);
    case Reason::UnknownValue:
        return inLanguage(language, QStringLiteral("%1 is not a value of %2 this program knows"),
                          QStringLiteral("%1不是 %2 列可识别的值"))
            .arg(value, skipped.column);
    case Reason::ToneNotInList:
        return inLanguage(language, QStringLiteral("the tone %1 (%2) is not a tone of this radio"),
                          QStringLiteral("亚音%1（%2）不是本机支持的亚音"))
            .arg(value, skipped.column);
    case Reason::NoChannelLeft:
        return inLanguage(language, "the radio has only 16 channels", "本机只有 16 个信道");
    }
    return {};
}

} // namespace

QString channelListCsvProblemText(const QString& fileName, const ChannelListCsvProblem& problem,
                                  Language language)
{
    // One pass over all the parts, so a "%" in the file's name stays as it is.
    const QString text = problemText(problem, language);
    if (problem.row == 0)
        return inLanguage(language, QStringLiteral("%1: %2"), QStringLiteral("%1：%2"))
            .arg(fileName, text);
    return inLanguage(language, QStringLiteral("%1, row %2: %3"),
                      QStringLiteral("%1，第 %2 行：%3"))
        .arg(fileName, QString::number(problem.row), text);
}

QString skippedCsvRowText(const SkippedCsvRow& skipped, const QString& band, Language language)
{
    return inLanguage(language, QStringLiteral("row %1: %2"), QStringLiteral("第 %1 行：%2"))
        .arg(QString::number(skipped.row), skippedText(skipped, band, language));
}

QString channelListCsvExportProblemText(const ChannelListCsvExportProblem& problem,
                                        Language language)
{
    const QString channel = QString::number(problem.channel);
    const QString column = BuiltInLanguages::columnName(problem.column, language);
    const QString text = quoted(language, problem.text);
    if (Column::isFrequency(problem.column))
        return inLanguage(language,
                          QStringLiteral("channel %1: %2 %3 is not a frequency of 100–550 MHz"),
                          QStringLiteral("信道 %1：%2%3不是 100–550 MHz 的频率"))
            .arg(channel, column, text);
    return inLanguage(language, QStringLiteral("channel %1: %2 %3 is not a tone of this radio"),
                      QStringLiteral("信道 %1：%2%3不是本机支持的亚音"))
        .arg(channel, column, text);
}

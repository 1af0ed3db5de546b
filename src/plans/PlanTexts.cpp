#include "plans/PlanTexts.h"

namespace {

struct Wording
{
    PlanTexts::Text text;
    const char* english;
    const char* chinese;
};

using T = PlanTexts::Text;
constexpr Wording Texts[] = {
    {T::DialogTitle, "Fill from a plan", "按频率方案填充"},
    {T::Plan, "Plan:", "方案："},
    {T::PlanChannels, "Channels of the plan to use:", "使用方案中的信道："},
    {T::FirstChannel, "First channel to fill:", "从信道："},
    {T::HowMany, "How many channels:", "填充信道数："},
    {T::RxTone, "Receive tone:", "接收亚音："},
    {T::TxTone, "Transmit tone:", "发射亚音："},
    {T::AsInThePlan, "As in the plan", "按方案"},
    {T::Pmr446Note,
     "PMR446: licence-free in Europe only for hand-held radios with a fixed antenna, at most "
     "0.5 W. Fills low power, narrow band. See the manual.",
     "PMR446：在欧洲仅限天线不可拆卸、功率不超过 0.5 W 的手持电台免执照使用。填入低功率、窄带。"
     "详见使用手册。"},
    {T::FrsNote,
     "FRS (United States): only for radios certified for FRS; channels 8–14 at most 0.5 W, "
     "so they get low power. Narrow band. See the manual.",
     "FRS（美国）：仅限经 FRS 认证的电台使用；8–14 信道功率不超过 0.5 W，因此填入低功率。窄带。"
     "详见使用手册。"},
    {T::PrintSheet, "Print channel sheet…", "打印信道表…"},
    {T::PrintSheetLabel, "Print", "打印"},
    {T::SheetTitle, "QV3307 channel sheet", "QV3307 信道表"},
    {T::SheetBand, "Band:", "频段："},
    {T::SheetDate, "Date:", "日期："},
    {T::SheetFile, "File:", "文件："},
    {T::SheetNoFile, "not saved in a file", "未保存为文件"},
    {T::SheetRadioOwner, "Radio / owner", "电台 / 机主"},
    {T::BuiltIn, "built in", "内置"},
};

bool english(Language language)
{
    return language == Language::English;
}

} // namespace

namespace PlanTexts {

QString text(Text text, Language language)
{
    for (const Wording& wording : Texts) {
        if (wording.text == text)
            return QString::fromUtf8(english(language) ? wording.english : wording.chinese);
    }
    return {};
}

QString userPlanNote(const QString& path, Language language)
{
    return english(language) ? QStringLiteral("Your plan, from %1").arg(path)
                             : QStringLiteral("您自己的方案，来自 %1").arg(path);
}

QString fillSummary(int filled, int firstRow, int lastRow, Language language)
{
    if (filled == 0)
        return english(language) ? QStringLiteral("Fills no channel")
                                 : QStringLiteral("不填充任何信道");
    if (filled == 1)
        return english(language) ? QStringLiteral("Fills channel %1").arg(firstRow)
                                 : QStringLiteral("填充信道 %1").arg(firstRow);
    return english(language) ? QStringLiteral("Fills channels %1 to %2").arg(firstRow).arg(lastRow)
                             : QStringLiteral("填充信道 %1 至 %2").arg(firstRow).arg(lastRow);
}

QString leftOutHeading(const QString& planName, qsizetype count, Language language)
{
    if (english(language))
        return count == 1
                   ? QStringLiteral("1 channel of %1 was left out:").arg(planName)
                   : QStringLiteral("%1 channels of %2 were left out:").arg(count).arg(planName);
    return QStringLiteral("%1 中有 %2 个信道未填入：").arg(planName).arg(count);
}

QString leftOutChannel(const QString& channelName, const QString& frequency, bool outsideBand,
                       const QString& band, Language language)
{
    if (english(language)) {
        return QStringLiteral("channel %1 (%2): %3")
            .arg(channelName, frequency,
                 outsideBand ? QStringLiteral("outside the band %1").arg(band)
                             : QStringLiteral("no channel left to fill"));
    }
    return QStringLiteral("信道 %1（%2）：%3")
        .arg(channelName, frequency,
             outsideBand ? QStringLiteral("超出频段 %1").arg(band)
                         : QStringLiteral("没有剩余的信道可填"));
}

QString noChannel(const QString& fileName, Language language)
{
    return english(language) ? QStringLiteral("%1: holds no channel").arg(fileName)
                             : QStringLiteral("%1：没有信道").arg(fileName);
}

QString fileChannelLeftOut(int row, const QString& reason, Language language)
{
    const QString channel = QStringLiteral("CH%1").arg(row, 2, 10, QLatin1Char('0'));
    return english(language) ? QStringLiteral("%1: %2").arg(channel, reason)
                             : QStringLiteral("%1：%2").arg(channel, reason);
}

QString filledReport(qsizetype channels, const QString& planName, Language language)
{
    if (english(language))
        return QStringLiteral("Filled %1 channel%2 from %3")
            .arg(channels)
            .arg(channels == 1 ? QString() : QStringLiteral("s"))
            .arg(planName);
    return QStringLiteral("已按 %2 填充 %1 个信道").arg(channels).arg(planName);
}

QString channelCount(qsizetype count, Language language)
{
    if (english(language))
        return QStringLiteral("%1 channel%2")
            .arg(count)
            .arg(count == 1 ? QString() : QStringLiteral("s"));
    return QStringLiteral("%1 个信道").arg(count);
}

} // namespace PlanTexts

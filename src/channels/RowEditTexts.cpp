#include "channels/RowEditTexts.h"

#include "workspace/ChannelTable.h"

#include <QStringList>

namespace {

struct Wording
{
    RowEditTexts::Text text;
    const char* english;
    const char* chinese;
};

using T = RowEditTexts::Text;
constexpr Wording Texts[] = {
    {T::FillFrequencies, "Fill frequencies…", "填充频率…"},
    {T::FillFromPlan, "Fill from a plan…", "按频率方案填充…"},
    {T::FillFrequenciesTitle, "Fill frequencies", "填充频率"},
    {T::StartFrequency, "Start frequency (MHz):", "起始频率 (MHz)："},
    {T::Step, "Step:", "步进："},
    {T::FillExplained,
     "Each channel gets the next frequency as its receive and transmit frequency; an empty "
     "channel becomes a new one. A frequency outside the band is left out and listed.",
     "每个信道依次得到下一个频率，作为接收和发射频率；空信道成为新信道。超出频段的频率不填入，并"
     "列出。"},
    {T::ToneTitle, "Choose a tone", "选择亚音"},
    {T::ToneExplained, "The tone goes into every programmed channel; empty channels stay empty.",
     "该亚音填入每个已编程的信道；空信道保持为空。"},
};

bool english(Language language)
{
    return language == Language::English;
}

} // namespace

namespace RowEditTexts {

QString text(Text text, Language language)
{
    for (const Wording& wording : Texts) {
        if (wording.text == text)
            return QString::fromUtf8(english(language) ? wording.english : wording.chinese);
    }
    return {};
}

QString channels(int firstRow, int lastRow, Language language)
{
    if (firstRow == lastRow)
        return english(language) ? QStringLiteral("Channel %1").arg(firstRow)
                                 : QStringLiteral("信道 %1").arg(firstRow);
    return english(language) ? QStringLiteral("Channels %1 to %2").arg(firstRow).arg(lastRow)
                             : QStringLiteral("信道 %1 至 %2").arg(firstRow).arg(lastRow);
}

QString step(qint64 units)
{
    // 10 Hz units: 1250 is 12.5 kHz.
    return QStringLiteral("%1 kHz").arg(QString::number(double(units) / 100.0));
}

QString frequenciesLeftOut(const QList<Frequency>& frequencies, const QString& band,
                           Language language)
{
    QStringList lines{
        english(language)
            ? QStringLiteral("These frequencies lie outside the band %1 and were "
                             "left out; their channels stay as they were:")
                  .arg(band)
            : QStringLiteral("以下频率超出频段 %1，未填入；这些信道保持原样：").arg(band)};
    for (const Frequency& frequency : frequencies)
        lines << QStringLiteral("CH%1  %2")
                     .arg(ChannelTable::channelLabel(frequency.row).trimmed(), frequency.text);
    return lines.join(u'\n');
}

} // namespace RowEditTexts

#include "plans/PlanFill.h"

#include "channels/BandRange.h"
#include "channels/FrequencyNormaliser.h"
#include "plans/PlanTexts.h"
#include "workspace/Workspace.h"

#include <QStringList>

#include <algorithm>

namespace PlanFilling {

RadioContents::Channel cells(const PlanChannel& channel, const PlanFillChoice& choice,
                             const CellWords& words)
{
    const QChar separator = FrequencyNormaliser::separator();
    const auto tone = [&words](const QString& text) {
        return text.isEmpty() ? words.offWord : text;
    };
    const auto option = [&words](bool on) { return on ? words.onWord : words.offWord; };
    RadioContents::Channel cells;
    const auto set = [&cells](int column, const QString& text) {
        cells[RadioContents::fieldIndex(column)] = text;
    };
    set(Column::RxFrequency, FrequencyNormaliser::toText(channel.rxFrequency, separator));
    set(Column::RxTone, tone(choice.rxTone.value_or(channel.rxTone)));
    set(Column::TxFrequency, FrequencyNormaliser::toText(channel.txFrequency, separator));
    set(Column::TxTone, tone(choice.txTone.value_or(channel.txTone)));
    set(Column::Power, channel.highPower ? words.highWord : words.lowWord);
    set(Column::OptionA, option(channel.wideband));
    set(Column::OptionB, option(channel.busyLock));
    set(Column::OptionC, option(channel.scramble));
    return cells;
}

PlanFill prepare(const ChannelPlan& plan, const PlanFillChoice& choice, const QString& band,
                 const CellWords& words)
{
    QList<int> chosen = choice.planChannels;
    if (chosen.isEmpty()) {
        for (int index = 0; index < plan.channels.size(); ++index)
            chosen.append(index);
    }
    const std::optional<BandRange> range = BandRange::of(band);
    const int lastRow = std::min(choice.firstChannel + choice.count - 1, int(Row::LastChannel));
    int row = std::max(choice.firstChannel, int(Row::FirstChannel));
    PlanFill fill;
    for (const int index : chosen) {
        if (index < 0 || index >= plan.channels.size())
            continue;
        const PlanChannel& channel = plan.channels.at(index);
        using Reason = LeftOutPlanChannel::Reason;
        if (!range || !range->holds(channel.rxFrequency) || !range->holds(channel.txFrequency))
            fill.leftOut.append({index, Reason::OutsideBand});
        else if (row > lastRow)
            fill.leftOut.append({index, Reason::NoChannelLeft});
        else
            fill.filled.append({row++, index, cells(channel, choice, words)});
    }
    return fill;
}

void apply(Workspace& workspace, const PlanFill& fill)
{
    for (const FilledPlanChannel& channel : fill.filled) {
        for (int column = Column::FirstField; column <= Column::LastField; ++column)
            workspace.table.setText(channel.row, column,
                                    channel.cells[RadioContents::fieldIndex(column)]);
    }
    workspace.recordEdit();
}

QString leftOutText(const ChannelPlan& plan, const PlanFill& fill, const QString& band,
                    Language language)
{
    if (fill.leftOut.isEmpty())
        return {};
    QStringList lines{PlanTexts::leftOutHeading(plan.name, fill.leftOut.size(), language)};
    const QChar separator = FrequencyNormaliser::separator();
    for (const LeftOutPlanChannel& leftOut : fill.leftOut) {
        const PlanChannel& channel = plan.channels.at(leftOut.planIndex);
        lines << PlanTexts::leftOutChannel(
            channel.name, FrequencyNormaliser::toText(channel.rxFrequency, separator),
            leftOut.reason == LeftOutPlanChannel::Reason::OutsideBand, band, language);
    }
    return lines.join(u'\n');
}

} // namespace PlanFilling

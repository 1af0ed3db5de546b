#include "plans/BuiltInPlans.h"

namespace {

// 10 Hz units.
constexpr qint64 Step12k5 = 1250;
constexpr qint64 Step25k = 2500;

// `count` channels from `first` in steps of `step`, numbered on from `firstNumber`, alike
// in everything else: simplex, no tone, narrow band, busy lock and scramble off.
void addChannels(ChannelPlan& plan, int firstNumber, int count, qint64 first, qint64 step,
                 bool highPower)
{
    for (int index = 0; index < count; ++index) {
        PlanChannel channel;
        channel.name = QString::number(firstNumber + index);
        channel.rxFrequency = first + index * step;
        channel.txFrequency = channel.rxFrequency;
        channel.highPower = highPower;
        channel.wideband = false;
        plan.channels.append(channel);
    }
}

} // namespace

namespace BuiltInPlans {

ChannelPlan pmr446()
{
    ChannelPlan plan{QStringLiteral("PMR446"), {}, {}};
    addChannels(plan, 1, 16, 44600625, Step12k5, false);
    return plan;
}

ChannelPlan frs()
{
    ChannelPlan plan{QStringLiteral("FRS"), {}, {}};
    addChannels(plan, 1, 7, 46256250, Step25k, true);
    addChannels(plan, 8, 7, 46756250, Step25k, false);
    addChannels(plan, 15, 8, 46255000, Step25k, true);
    return plan;
}

QList<ChannelPlan> all()
{
    return {pmr446(), frs()};
}

} // namespace BuiltInPlans

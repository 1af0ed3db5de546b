#pragma once

#include "plans/ChannelPlan.h"
#include "workspace/CellWords.h"
#include "workspace/ChannelColumn.h"
#include "workspace/Language.h"
#include "workspace/RadioContents.h"

#include <QList>
#include <QString>

#include <optional>

class Workspace;

// What the user chose in "Fill from a plan".
struct PlanFillChoice
{
    int firstChannel = Row::FirstChannel;    // the first channel of the grid to fill
    int count = RadioContents::ChannelCount; // how many channels of the grid, from the first
    // The plan's channels to use (indexes into its list), in the order they fill the grid;
    // every channel of the plan when empty.
    QList<int> planChannels;
    // One tone for every channel filled: a tone list text, or empty for none. Nothing keeps
    // the plan's own tones.
    std::optional<QString> rxTone;
    std::optional<QString> txTone;
};

// A plan channel that does not go into the grid, and why.
struct LeftOutPlanChannel
{
    enum class Reason {
        OutsideBand,   // its receive or transmit frequency lies outside the selected band
        NoChannelLeft, // the channels chosen to fill are full
    };

    int planIndex = 0;
    Reason reason = Reason::OutsideBand;
};

struct FilledPlanChannel
{
    int row = 0; // the grid's channel
    int planIndex = 0;
    RadioContents::Channel cells;
};

struct PlanFill
{
    QList<FilledPlanChannel> filled;
    QList<LeftOutPlanChannel> leftOut;
};

// Puts a plan into the grid as typing each channel in would, but never pulls a frequency
// to the band's edge: a channel outside the band is left out, and the next one takes its
// place in the grid.
namespace PlanFilling {

// What the choice would fill, against `band`, in `words`; changes nothing.
PlanFill prepare(const ChannelPlan& plan, const PlanFillChoice& choice, const QString& band,
                 const CellWords& words);

// The grid's cells of one plan channel, in `words`, with the choice's tones.
RadioContents::Channel cells(const PlanChannel& channel, const PlanFillChoice& choice,
                             const CellWords& words);

// Writes the channels filled into the workspace as one undo step.
void apply(Workspace& workspace, const PlanFill& fill);

// The one message for the plan channels left out; empty when none was.
QString leftOutText(const ChannelPlan& plan, const PlanFill& fill, const QString& band,
                    Language language);

} // namespace PlanFilling

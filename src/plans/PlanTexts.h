#pragma once

#include "workspace/Language.h"

#include <QString>

// The texts of channel plans and of the channel sheet, in both languages.
namespace PlanTexts {

enum class Text {
    DialogTitle,     // "Fill from a plan"
    Plan,            // the plan list's label
    PlanChannels,    // the label over the plan's channels to tick
    FirstChannel,    // the first channel of the grid to fill
    HowMany,         // how many channels of the grid
    RxTone,          // the receive tone for every channel filled
    TxTone,          // the transmit tone
    AsInThePlan,     // the first entry of both tone lists
    Pmr446Note,      // under the list when the plan is PMR446
    FrsNote,         // and when it is FRS
    PrintSheet,      // the command: "Print channel sheet…"
    PrintSheetLabel, // the file page's icon label
    SheetTitle,      // the sheet's heading
    SheetBand,       // the labels of the line under it
    SheetDate,
    SheetFile,
    SheetNoFile,     // the file line when the data is in no file
    SheetRadioOwner, // the empty box at the bottom
    BuiltIn,         // `plan --list`: where a built-in plan comes from
};

QString text(Text text, Language language);

// Under the list for a plan of the user's: "Your plan, from /home/…/plans/club.csv".
QString userPlanNote(const QString& path, Language language);
// Under the choices: "Fills channels 1 to 16".
QString fillSummary(int filled, int firstRow, int lastRow, Language language);

// The first line of the message about plan channels left out.
QString leftOutHeading(const QString& planName, qsizetype count, Language language);
// One line of it: "FRS 8 (467.56250): outside the band 400-470MHz".
QString leftOutChannel(const QString& channelName, const QString& frequency, bool outsideBand,
                       const QString& band, Language language);

// A user's plan file whose rows convert to no channel.
QString noChannel(const QString& fileName, Language language);
// A channel line of a user's .F19 plan that is not taken: "CH05: …".
QString fileChannelLeftOut(int row, const QString& reason, Language language);

// The status report after a fill: "Filled 16 channels from PMR446".
QString filledReport(qsizetype channels, const QString& planName, Language language);
// `plan --list`: "16 channels".
QString channelCount(qsizetype count, Language language);

} // namespace PlanTexts

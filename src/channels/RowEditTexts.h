#pragma once

#include "workspace/Language.h"

#include <QList>
#include <QString>

// The texts of editing several channels at once, in both languages: the grid's context
// menu, its two small dialogs and the message about frequencies left out.
namespace RowEditTexts {

enum class Text {
    FillFrequencies,      // the menu entry, "Fill frequencies…"
    FillFromPlan,         // the menu entry and the channel page's button, "Fill from a plan…"
    FillFrequenciesTitle, // the dialog's title
    StartFrequency,       // its start box, in MHz
    Step,                 // its step list
    FillExplained,        // what the fill does with each row
    ToneTitle,            // the tone dialog's title
    ToneExplained,        // what the tone dialog does with each row
};

QString text(Text text, Language language);

// "Channels 3 to 7", or "Channel 3" for one.
QString channels(int firstRow, int lastRow, Language language);

// A step of the fill in kHz, as the step list shows it: "12.5 kHz".
QString step(qint64 units);

struct Frequency
{
    int row = 0;
    QString text; // the frequency as a cell would hold it
};

// One message for the frequencies a fill left out because the band does not hold them.
QString frequenciesLeftOut(const QList<Frequency>& frequencies, const QString& band,
                           Language language);

} // namespace RowEditTexts

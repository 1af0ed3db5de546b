#pragma once

#include "workspace/CellWords.h"
#include "workspace/Language.h"
#include "workspace/RadioContents.h"

#include <QList>
#include <QString>

class ChannelTable;
class Workspace;

// A pasted line that became a channel.
struct PastedLine
{
    int row = 0; // the grid row it goes to
    RadioContents::Channel channel;
};

// A pasted line that did not fit, and why.
struct SkippedPasteLine
{
    enum class Reason {
        NoReceiveFrequency, // cells after an empty receive frequency
        NotANumber,         // a frequency cell that does not read as a number
        OutsideBand,        // a frequency outside the selected band
        NotATone,           // a tone cell that holds no tone of the radio
        NotAWord,           // a power or option cell that holds neither of its words
        TooManyCells,       // text beyond the eighth cell
        NoChannelLeft,      // the line would go below channel 16
        UnclosedQuote,      // a quoted cell opens in the line and is never closed
    };

    int line = 0;   // from 1
    int column = 0; // the grid column of the cell at fault; 0 when no single cell is
    Reason reason = Reason::NoChannelLeft;
    QString value;
};

struct PastedChannels
{
    QList<PastedLine> lines;
    QList<SkippedPasteLine> skipped;
};

// Channels on the clipboard: one line per channel, its eight cells in the grid's column
// order separated by tabs, as spreadsheets copy and paste a range.
namespace ChannelPaste {

// Rows `firstRow` to `lastRow`, each line ended with a line feed.
QString copiedText(const ChannelTable& table, int firstRow, int lastRow);

// Reads pasted text for the rows from `firstRow` down. Each cell goes through the checks
// of typing, in the words of either language: a frequency goes onto the channel step and
// must lie in `band`, a tone must be one of the radio's, a power or option cell one of its
// words. Missing cells take what a new channel starts with, the transmit frequency that
// of receiving; a line of empty cells empties its channel. Line ends may be CR LF or LF,
// cells may be quoted; a line with a quote that is never closed does not fit, and the lines
// after it are read as they stand.
PastedChannels read(const QString& text, int firstRow, const QString& band, const CellWords& words);

// Pastes into the workspace as one undo step; the lines that did not fit change nothing.
// Gives the message that lists them, or nothing when every line fitted.
QString paste(Workspace& workspace, const QString& text, int firstRow);

// Why one line did not fit, without its number: `the receive frequency "4x" is not a number`.
QString skippedReason(const SkippedPasteLine& line, const QString& band, Language language);

// The one message for the lines that did not fit, in the interface's language: the first
// lines of the list, each value cut short where it is long, so that the message stays of a
// size to read.
QString skippedText(const QList<SkippedPasteLine>& skipped, const QString& band, Language language);

} // namespace ChannelPaste

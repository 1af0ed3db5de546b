#pragma once

#include "files/ChannelFileContent.h"
#include "files/ChannelListCsvProblem.h"
#include "workspace/CellWords.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// The 16 channel rows: the eight field texts of each, receive frequency first, as the grid
// and ChannelFileContent hold them.
using ChannelRows = std::array<QStringList, ChannelFileContent::ChannelCount>;

struct ExportedChannelList
{
    QByteArray bytes; // complete only when there is no problem
    std::optional<ChannelListCsvExportProblem> problem;

    bool ok() const { return !problem.has_value(); }
};

struct ImportedChannelList
{
    // Channels 1 to 16 as the rows placed them; the channels no row filled are empty.
    // Complete only when there is no problem.
    ChannelRows channels;
    // The rows that did not become channels, in file order. Filled for NothingImported too.
    QList<SkippedCsvRow> skipped;
    std::optional<ChannelListCsvProblem> problem;

    bool ok() const { return !problem.has_value(); }
};

// The channel-list CSV that radio programming tools and spreadsheets exchange: UTF-8, one
// header line naming the columns, one line per channel.
//
// Cell texts are read as the radio reads them, except that the flag and tone words of
// either language count as what they say, so a channel loaded without a language switch
// exports as the user sees it. Frequencies are written and read with "." whatever the
// locale; imported cells use the given words and the program's separator, the texts
// typing would give.
namespace ChannelListCsv {

extern const QStringList Header;

// The frequencies the radio can hold at all, written as a band.
inline const QString AnyBand = QStringLiteral("100-550MHz");

// Where the rows of a list go.
enum class Placement {
    // Each row to the channel its Location names, when every row names a channel from 1
    // to 16 of its own; a list without a Location column fills channels 1 to 16 in file
    // order. Locations that do not fit are a problem, and nothing is placed.
    ByLocation,
    // Channels 1 to 16 in file order, whatever the Locations say.
    FileOrder,
};

// One line per channel that has a receive frequency, its Location the channel's number. A
// frequency cell must read as a
// number of 100 to 550 MHz, and goes onto the channel step as committing it would; a tone
// cell must hold a tone of the radio, the off word or nothing. Otherwise the first such
// cell is the problem.
ExportedChannelList write(const ChannelRows& channels, const CellWords& words);

// Reads columns by their header names in any order; unknown columns are ignored, missing
// ones take their defaults. Rows that hold nothing are passed over. A row whose frequency
// lies outside `band` (such as "400-470MHz"), or whose tone the radio does not have, is
// skipped and listed, and its channel stays empty; in file order, rows once 16 channels
// are filled are skipped too. A list of which no row becomes a channel, or that has none,
// is a problem: it would only empty every channel.
ImportedChannelList read(const QByteArray& bytes, const QString& band, const CellWords& words,
                         Placement placement = Placement::ByLocation);

// Reads as read() does before the band the list goes to is known: a frequency need only be
// one the radio can hold, as if the band were AnyBand. A row skipped here, or a list
// refused here, is so in every band.
ImportedChannelList readInAnyBand(const QByteArray& bytes, const CellWords& words,
                                  Placement placement = Placement::ByLocation);

} // namespace ChannelListCsv

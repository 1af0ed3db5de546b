#pragma once

#include <QString>

// Why a file is not a channel list at all; nothing of it is imported.
struct ChannelListCsvProblem
{
    enum class Kind {
        Empty,             // no header line
        Binary,            // bytes no text file holds
        NotUtf8,           // text in another encoding
        NoFrequencyColumn, // the header line has no "Frequency" column
        UnclosedQuote,     // a quoted field runs to the end of the file
        BandUnreadable,    // the selected band gives no limits to check frequencies against
        NoRows,            // a header line and not one channel row
        NothingImported,   // it has channel rows, but not one of them converts
        // The Locations do not give each row a channel of its own, as a list made for
        // another radio's memory does not: reading it in file order is the user's choice.
        LocationNotAChannel, // `found`: a Location that is not a channel from 1 to 16
        LocationRepeated,    // `found`: the Location `earlierRow` has already
    };

    Kind kind = Kind::Empty;
    int row = 0;   // the row at fault, from 1; 0 when no single row is
    QString found; // the header line, the band text, or the Location
    int earlierRow = 0;

    bool isLocationProblem() const
    {
        return kind == Kind::LocationNotAChannel || kind == Kind::LocationRepeated;
    }
};

// A row of the file that did not become a channel, and why.
struct SkippedCsvRow
{
    enum class Reason {
        NoReceiveFrequency,  // the Frequency field is empty
        NotANumber,          // `column`'s `value` does not read as a number
        ReceiveOutsideBand,  // `value`: the receive frequency, in MHz
        TransmitOutsideBand, // `value`: the transmit frequency, in MHz
        UnknownValue,        // `column` does not know `value`
        ToneNotInList,       // `column`'s `value` is no tone this radio has
        NoChannelLeft,       // 16 channels were filled by the rows before it
    };

    int row = 0; // from 1, the header being row 1
    Reason reason = Reason::NoChannelLeft;
    QString column; // the header name of the field at fault
    QString value;
};

// A channel whose cell cannot be written to a channel list; nothing is written.
struct ChannelListCsvExportProblem
{
    int channel = 0; // 1 to 16
    int column = 0;  // the grid column of the cell
    QString text;    // what the cell holds
};

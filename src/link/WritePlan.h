#pragma once

#include "link/RadioBlocks.h"
#include "workspace/CellWords.h"
#include "workspace/FunctionSettings.h"
#include "workspace/RadioContents.h"

#include <QList>
#include <QString>

class ChannelTable;

// A value a write cannot send as it stands: a cell, a setting or the band whose text the
// radio's encoding cannot carry exactly (a frequency not of the form 435.12500, a tone the
// radio would read back as another, a power or option cell that holds neither of its
// column's words, a setting position that is not one digit, a band not of the form
// 400-470MHz). Such texts come from hand-edited channel or settings files. A word of
// either built-in language counts as the word of the active language that means the same.
struct WriteProblem
{
    enum class Place { Channel, Setting, Band };

    Place place = Place::Channel;
    int row = 0;    // the channel's row
    int column = 0; // the channel's field
    FunctionSettings::Setting setting = FunctionSettings::Squelch;
    QString text; // what the cell holds, the setting's position, or the band text

    friend bool operator==(const WriteProblem&, const WriteProblem&) = default;
};

// Every request of a write, composed before the first byte leaves: either all of them can
// be sent, or none is and the problems say why. So the radio never gets a request of the
// wrong length, nor the first half of a programming that the second half cannot follow.
struct WritePlan
{
    struct ChannelRequests
    {
        QString firstHalf;
        QString secondHalf;
    };

    // One entry per channel, channel 1 first.
    QList<ChannelRequests> channels;
    QString settings;
    QString band;
    // In the order the write would have reached them.
    QList<WriteProblem> problems;

    bool sendable() const { return problems.isEmpty(); }

    // What a read of the radio gives once these requests are stored, decoded exactly as a
    // read decodes the radio's replies (a write request carries its block where a read
    // reply does). So what the radio cannot keep (the fields of a channel without a receive
    // frequency, a band without digits, the words of one language rather than the other)
    // is expected as the radio gives it back. For a sendable plan only.
    RadioContents expectedReadBack(const CellWords& words) const;
    // The data bytes every request carries, by the address of its block. For a sendable
    // plan only.
    RadioBlocks writtenBlocks() const;

    static WritePlan compose(const ChannelTable& table, const CellWords& words,
                             const FunctionSettings& settings, const QString& band);
};

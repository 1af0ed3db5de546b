#pragma once

#include "link/RadioBlocks.h"
#include "workspace/FunctionSettings.h"
#include "workspace/RadioContents.h"

#include <QList>
#include <QString>

// One place where what a radio holds is not what was written to it: a channel's field, a
// setting, the VOX inhibit box or the band, with the two texts (a setting's position as a
// number, the VOX inhibit box as 1 or 0); or one byte of a channel record, the settings
// block or the band block as it was stored, with the two bytes in hex.
struct ContentsDifference
{
    enum class Place { Channel, Setting, VoxInhibit, Band, ChannelByte, SettingsByte, BandByte };

    Place place = Place::Channel;
    int row = 0;    // the channel's row, 1 to 16
    int column = 0; // the channel's field, a grid column
    FunctionSettings::Setting setting = FunctionSettings::Squelch;
    QString written;
    QString held;
    int byte = 0; // a stored byte's place in its record (0 to 15) or block (0 to 7)

    bool storedByte() const { return place >= Place::ChannelByte; }
    // The radio's address of a stored byte.
    int address() const;

    friend bool operator==(const ContentsDifference&, const ContentsDifference&) = default;
};

// Every difference between what was written and what the radio gave back, channel 1's
// fields first, then the settings in their list order, the VOX inhibit box and the band.
QList<ContentsDifference> compareContents(const RadioContents& written,
                                          const RadioContents& readBack);

// The bytes of the written blocks that a read-back gave otherwise, in address order, split
// by whether a read looks at any bit that differs. A byte only the radio's unused parts
// hold differently (the high digit of a channel's flags, its fill, settings byte 7) changes
// nothing the program reads; any other stands for a field the radio holds otherwise, even
// when both read as the same text.
struct StoredByteDifferences
{
    QList<ContentsDifference> decoded;
    QList<ContentsDifference> unused;
};
StoredByteDifferences compareStoredBytes(const RadioBlocks& written, const RadioBlocks& readBack);

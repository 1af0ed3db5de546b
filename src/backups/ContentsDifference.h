#pragma once

#include "workspace/FunctionSettings.h"
#include "workspace/RadioContents.h"

#include <QList>
#include <QString>

// One place where what a radio holds is not what was written to it: a channel's field, a
// setting, the VOX inhibit box or the band, with the two texts (a setting's position as a
// number, the VOX inhibit box as 1 or 0).
struct ContentsDifference
{
    enum class Place { Channel, Setting, VoxInhibit, Band };

    Place place = Place::Channel;
    int row = 0;    // the channel's row, 1 to 16
    int column = 0; // the channel's field, a grid column
    FunctionSettings::Setting setting = FunctionSettings::Squelch;
    QString written;
    QString held;

    friend bool operator==(const ContentsDifference&, const ContentsDifference&) = default;
};

// Every difference between what was written and what the radio gave back, channel 1's
// fields first, then the settings in their list order, the VOX inhibit box and the band.
QList<ContentsDifference> compareContents(const RadioContents& written,
                                          const RadioContents& readBack);

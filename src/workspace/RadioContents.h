#pragma once

#include "workspace/ChannelColumn.h"
#include "workspace/FunctionSettings.h"

#include <QString>

#include <array>

// The function settings as a plain value: the position of every setting and the VOX
// inhibit box.
struct SettingsValues
{
    FunctionSettings::Positions positions = FunctionSettings::StartupPositions;
    bool voxInhibit = true;

    friend bool operator==(const SettingsValues&, const SettingsValues&) = default;
};

// What a radio holds, in the texts and positions the program shows: the band text, the
// eight field texts of each of the 16 channels and the function settings. A plain value:
// a read fills one while the window keeps its own data, and hands it over only once it is
// complete; two of them compare equal when a radio would hold the same.
struct RadioContents
{
    static constexpr int ChannelCount = Row::LastChannel;
    static constexpr int FieldCount = Column::LastField - Column::FirstField + 1;
    // A channel's field texts in the grid's column order, receive frequency first; all
    // empty for a channel that is not programmed.
    using Channel = std::array<QString, FieldCount>;

    // The band of a radio whose band block is not programmed.
    static inline const QString NoBand = QStringLiteral("FFF-FFFMHz");

    // Where a grid column's text stands in a Channel.
    static constexpr int fieldIndex(int column) { return column - Column::FirstField; }

    // As the radio's band block reads, such as "400-470MHz", or NoBand.
    QString band;
    std::array<Channel, ChannelCount> channels;
    SettingsValues settings;

    // Channel 1 to 16.
    Channel& channel(int number) { return channels[number - 1]; }
    const Channel& channel(int number) const { return channels[number - 1]; }

    friend bool operator==(const RadioContents&, const RadioContents&) = default;
};

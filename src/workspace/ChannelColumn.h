#pragma once

// Coordinates of the channel grid. Row 0 holds the column captions and column 0 the
// channel labels; rows 1 to 16 are channels 1 to 16, columns 1 to 8 their fields.
namespace Column {
enum : int {
    ChannelLabel = 0,
    RxFrequency = 1,
    RxTone = 2,
    TxFrequency = 3,
    TxTone = 4,
    Power = 5,
    Wideband = 6,
    BusyLock = 7,
    Scramble = 8,
};
constexpr int Count = 9;
constexpr int FirstField = RxFrequency;
constexpr int LastField = Scramble;

constexpr bool isFrequency(int column)
{
    return column == RxFrequency || column == TxFrequency;
}
constexpr bool isTone(int column)
{
    return column == RxTone || column == TxTone;
}
constexpr bool isFlag(int column)
{
    return column >= Power && column <= Scramble;
}
} // namespace Column

namespace Row {
constexpr int Captions = 0;
constexpr int FirstChannel = 1;
constexpr int LastChannel = 16;
constexpr int Count = 17;

constexpr bool isChannel(int row)
{
    return row >= FirstChannel && row <= LastChannel;
}
} // namespace Row

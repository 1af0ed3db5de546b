#pragma once

// Where the radio keeps what the program reads and writes. Every request moves one block
// of 8 bytes; a channel record is two blocks.
namespace MemoryMap {
constexpr int BlockSize = 8;
constexpr int ChannelRecordSize = 16;
// The radio's whole memory, as the simulated radio holds it.
constexpr int ImageSize = 1024;

// Channel N (1 to 16) starts at 16 x N; its second block follows 8 bytes on.
constexpr int channelRecord(int channel)
{
    return ChannelRecordSize * channel;
}
constexpr int channelRecordSecondHalf(int channel)
{
    return channelRecord(channel) + BlockSize;
}

constexpr int SettingsBlock = 0x03C0;
constexpr int PowerCalibration = 0x03C8;
constexpr int BandBlock = 0x03E0;
} // namespace MemoryMap

#pragma once

#include "workspace/RadioContents.h"

#include <QChar>
#include <QString>
#include <QStringView>

#include <array>
#include <optional>

class FunctionSettings;

// The settings block at 03C0: byte 0 the options (VOX inhibit, battery save, prompt tone,
// alarm key), bytes 1 to 5 one position each as a decimal digit, byte 6 scan, byte 7 fill.
namespace SettingsCodec {
// The highest digit the radio may report for each field; the voice and VOX delay limits
// lie beyond the ends of their lists, so those positions can come back past the end.
constexpr int SquelchLimit = 9;
constexpr int VoxGainLimit = 7;
constexpr int TimeOutLimit = 7;
constexpr int VoxDelayLimit = 4;
constexpr int VoicePromptLimit = 4;
// What any digit outside a field's limit reads as.
constexpr int OutOfLimitPosition = 2;

// Which bits of each byte of the block a read looks at: the low digits of bytes 0 to 5,
// all of byte 6, nothing of byte 7.
constexpr std::array<quint8, 8> DecodedBits = {0x0F, 0x0F, 0x0F, 0x0F, 0x0F, 0x0F, 0xFF, 0x00};

// A decimal digit not above the limit is the position; any other digit gives 2.
int settingsDigit(QChar digit, int limit);

// Sets battery save, prompt tone, alarm key and VOX inhibit from the low digit of byte 0.
void decodeOptions(QChar digit, FunctionSettings& settings);
// Byte 0: "F" and the option bits.
QString encodeOptions(const FunctionSettings& settings);

// Every setting in a read reply of the block; nothing for a reply too short to hold it.
std::optional<SettingsValues> decode(QStringView reply);
// Sets every setting from a read reply of the block. A reply too short to hold the block
// changes nothing and returns false.
bool decode(QStringView reply, FunctionSettings& settings);
// The block's 16 data digits; nothing when a digit field's position is outside 0 to 9,
// since it would not fit its one digit.
std::optional<QString> encode(const FunctionSettings& settings);
} // namespace SettingsCodec

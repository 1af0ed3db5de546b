#pragma once

#include "workspace/RadioContents.h"

#include <QString>
#include <QStringView>

#include <array>
#include <optional>

// The band block at 03E0: the lower and the upper band edge, each four BCD digits in
// tenths of a megahertz, low byte first, then four fill bytes. The band text has the form
// ABC-DEFMHz; only the first three digits of each edge are used.
namespace BandCodec {
// What a radio with an unprogrammed band block reports.
inline const QString& NoBand = RadioContents::NoBand;

// Which bits of each byte of the block a read looks at: the three digits of each edge
// (the high digit of bytes 0 and 2, all of bytes 1 and 3), never the fill.
constexpr std::array<quint8, 8> DecodedBits = {0xF0, 0xFF, 0xF0, 0xFF, 0x00, 0x00, 0x00, 0x00};

// The band text of a read reply of the block; NoBand for a reply too short to hold it.
QString decode(QStringView reply);
// Whether a decoded band text is one a radio holds: three decimal digits, a hyphen, three
// decimal digits and "MHz", or NoBand. Anything else is no band at all.
bool isBand(const QString& band);
// The block's 16 data digits; nothing for a text not of the form ABC-DEFMHz.
std::optional<QString> encode(const QString& band);
} // namespace BandCodec

#pragma once

#include "workspace/CellWords.h"
#include "workspace/RadioContents.h"

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringView>

#include <array>
#include <optional>

class ChannelTable;

// A channel record as the radio stores it, and the grid texts it stands for. Record
// offsets: 0 receive frequency, 4 transmit frequency (each four BCD bytes, least
// significant first), 8 receive tone, 10 transmit tone (each a word, low byte first),
// 12 flags, 13 three fill bytes.
//
// Positions in reply text count characters from 1, as the radio's replies are laid out
// (see Frame::ReplyHeaderLength). An encoder returns nothing when a cell holds a text it
// cannot turn into the field's exact number of hex digits: writing it would shift the rest
// of the request, so the caller must not send it.
namespace ChannelCodec {
// Where the last byte of each frequency begins in the reply to a record's first block.
constexpr int RxFrequencyPosition = 15;
constexpr int TxFrequencyPosition = 23;
// Where the tone words and the flags digit stand in the reply to its second block.
constexpr int RxTonePosition = 9;
constexpr int TxTonePosition = 13;
constexpr int FlagsDigitPosition = 18;

// The frequency text of the four bytes whose last begins at `position`; empty for a
// channel that is not programmed (FF FF FF FF). Any other digits are kept as they are.
QString decodeFrequency(QStringView reply, int position);
// 8 hex digits; FFFFFFFF for an empty cell.
std::optional<QString> encodeFrequency(const QString& cell);

// The tone text of a stored word (4 hex digits, low byte first); empty for a word this
// radio does not define.
QString decodeTone(QStringView stored, const CellWords& words);
// 4 hex digits in stored order; FFFF for an empty cell or the off word.
std::optional<QString> encodeTone(const QString& cell, const CellWords& words);

// Sets Power, OptionC, OptionA and OptionB of the row from the low digit of the flags byte.
void decodeFlags(QChar digit, ChannelTable& table, int row, const CellWords& words);
// The flags byte: "FF" when Power, OptionA and OptionB are all empty, else "F" and the bits.
QString encodeFlags(const ChannelTable& table, int row, const CellWords& words);

// The 16 data digits of the record's first and second block.
std::optional<QString> firstBlock(const ChannelTable& table, int row);
std::optional<QString> secondBlock(const ChannelTable& table, int row, const CellWords& words);

// Which bits of each of a record's 16 bytes a read looks at, for the record as written
// (16 data bytes): the frequencies and tones, only the first digit of a tone word that
// holds no tone, only the low digit of the flags byte, never the fill; for a channel that
// is not programmed, only its receive frequency.
std::array<quint8, 16> decodedBits(const QByteArray& record);

// Whether the reply to a record's first block can hold a channel: its receive frequency
// not programmed (FF FF FF FF, an empty channel, whatever else the record holds), or made
// of the digits 0 to 9, and so its transmit frequency unless that is not programmed.
bool frequenciesReadable(QStringView firstReply);
// Whether the tones in the reply to a record's second block are made of the digits 0 to 9
// wherever a tone's text shows its digits; always for an empty channel.
bool tonesReadable(QStringView firstReply, QStringView secondReply);

// The channel in the replies to both blocks. A channel whose receive frequency is not
// programmed is empty whatever its other bytes hold.
RadioContents::Channel decodeChannel(QStringView firstReply, QStringView secondReply,
                                     const CellWords& words);
// Fills the row with decodeChannel's texts.
void decodeRecord(QStringView firstReply, QStringView secondReply, ChannelTable& table, int row,
                  const CellWords& words);
} // namespace ChannelCodec

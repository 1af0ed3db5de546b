#include "link/ChannelCodec.h"

#include "link/HexText.h"
#include "workspace/ChannelTable.h"

#include <algorithm>

namespace {
// `count` characters from the 1-based `position`; nothing past the end of the text.
QStringView at(QStringView text, int position, int count = 1)
{
    return text.mid(position - 1, count);
}

const QString UnprogrammedFrequency = QStringLiteral("FFF.FFFFF");
const QString UnprogrammedBytes = QStringLiteral("FFFFFFFF");
const QString NoTone = QStringLiteral("FFFF");
const QString NoFlags = QStringLiteral("FF");
const QString Fill = QStringLiteral("FFFFFF");

enum FlagBit : int {
    OptionBOff = 1,
    OptionAOn = 2,
    OptionCOff = 4,
    PowerHigh = 8,
};

// The first digit of a tone word says what kind of tone it is.
enum class ToneKind : char16_t {
    CtcssBelow100 = u'0',
    Ctcss100 = u'1',
    Ctcss200 = u'2',
    DcsNormal = u'8',
    DcsInverted = u'C',
    None = u'F',
};
} // namespace

QString ChannelCodec::decodeFrequency(QStringView reply, int position)
{
    if (reply.size() < position + 1 || position < 7)
        return {};
    QString text;
    text += at(reply, position, 2);
    text += at(reply, position - 2);
    text += QLatin1Char('.');
    text += at(reply, position - 1);
    text += at(reply, position - 4, 2);
    text += at(reply, position - 6, 2);
    return text == UnprogrammedFrequency ? QString() : text;
}

std::optional<QString> ChannelCodec::encodeFrequency(const QString& cell)
{
    // The separator is never looked at: the digits around it are the frequency.
    const QString core = cell.mid(0, 3) + cell.mid(4, 5);
    if (core.isEmpty())
        return UnprogrammedBytes;
    const QString stored = core.mid(6, 2) + core.mid(4, 2) + core.mid(2, 2) + core.mid(0, 2);
    if (!isHexDigits(stored, 8))
        return std::nullopt;
    return stored;
}

QString ChannelCodec::decodeTone(QStringView stored, const CellWords& words)
{
    if (stored.size() < 4)
        return {};
    // Swap the bytes back to the word's own order, most significant digit first.
    const QString word = (stored.mid(2, 2).toString() + stored.mid(0, 2).toString()).toUpper();
    const QStringView digits = QStringView(word).mid(1, 3);
    switch (ToneKind(word[0].unicode())) {
    case ToneKind::CtcssBelow100:
        return word.mid(1, 2) + QLatin1Char('.') + word[3];
    case ToneKind::Ctcss100:
    case ToneKind::Ctcss200:
        return word.mid(0, 3) + QLatin1Char('.') + word[3];
    case ToneKind::DcsNormal:
        return QLatin1Char('D') + digits.toString() + QLatin1Char('N');
    case ToneKind::DcsInverted:
        return QLatin1Char('D') + digits.toString() + QLatin1Char('I');
    case ToneKind::None:
        return words.offWord;
    }
    return {};
}

std::optional<QString> ChannelCodec::encodeTone(const QString& cell, const CellWords& words)
{
    const QString tone = cell.trimmed();
    if (tone.isEmpty() || tone == words.offWord)
        return NoTone;
    // t(1) is the tone's first character.
    const auto t = [&tone](int position) { return tone.mid(position - 1, 1); };
    QString stored;
    if (tone.endsWith(QLatin1Char('I')))
        stored = t(3) + t(4) + u'C' + t(2);
    else if (tone.endsWith(QLatin1Char('N')))
        stored = t(3) + t(4) + u'8' + t(2);
    else if (tone.size() == 5)
        stored = t(3) + t(5) + t(1) + t(2);
    else
        stored = t(2) + t(4) + u'0' + t(1);
    if (!isHexDigits(stored, 4))
        return std::nullopt;
    return stored;
}

namespace {
// Sets Power, OptionC, OptionA and OptionB, in that order, from the low digit of the flags
// byte; a digit that is not hex sets nothing.
template <typename SetField>
void setFlagFields(QChar digit, const CellWords& words, SetField setField)
{
    const int flags = hexDigitValue(digit);
    if (flags < 0)
        return;
    const auto pick = [flags](FlagBit bit, const QString& set, const QString& clear) {
        return (flags & bit) ? set : clear;
    };
    setField(Column::Power, pick(PowerHigh, words.highWord, words.lowWord));
    setField(Column::OptionC, pick(OptionCOff, words.offWord, words.onWord));
    setField(Column::OptionA, pick(OptionAOn, words.onWord, words.offWord));
    setField(Column::OptionB, pick(OptionBOff, words.offWord, words.onWord));
}
} // namespace

void ChannelCodec::decodeFlags(QChar digit, ChannelTable& table, int row, const CellWords& words)
{
    setFlagFields(digit, words,
                  [&](int column, const QString& text) { table.setText(row, column, text); });
}

QString ChannelCodec::encodeFlags(const ChannelTable& table, int row, const CellWords& words)
{
    const QString power = table.text(row, Column::Power);
    const QString optionA = table.text(row, Column::OptionA);
    const QString optionB = table.text(row, Column::OptionB);
    if (power.isEmpty() && optionA.isEmpty() && optionB.isEmpty())
        return NoFlags;
    int flags = 0;
    if (power == words.highWord)
        flags |= PowerHigh;
    if (table.text(row, Column::OptionC) == words.offWord)
        flags |= OptionCOff;
    if (optionA == words.onWord)
        flags |= OptionAOn;
    if (optionB == words.offWord)
        flags |= OptionBOff;
    return QString(QLatin1Char('F')) + hexDigit(flags);
}

std::optional<QString> ChannelCodec::firstBlock(const ChannelTable& table, int row)
{
    const auto rx = encodeFrequency(table.text(row, Column::RxFrequency));
    const auto tx = encodeFrequency(table.text(row, Column::TxFrequency));
    if (!rx || !tx)
        return std::nullopt;
    return *rx + *tx;
}

std::optional<QString> ChannelCodec::secondBlock(const ChannelTable& table, int row,
                                                 const CellWords& words)
{
    const auto rxTone = encodeTone(table.text(row, Column::RxTone), words);
    const auto txTone = encodeTone(table.text(row, Column::TxTone), words);
    if (!rxTone || !txTone)
        return std::nullopt;
    return *rxTone + *txTone + encodeFlags(table, row, words) + Fill;
}

namespace {
bool decimalDigits(QStringView text)
{
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

// A decoded frequency is its digits around a point.
bool decimalFrequency(const QString& frequency)
{
    return frequency.size() == 9 && decimalDigits(QStringView(frequency).left(3)) &&
           decimalDigits(QStringView(frequency).mid(4));
}

// The digits a tone's text shows: all of the word but its first for a tone below 100 Hz or
// a DCS code (whose first says which), all four for a tone from 100 Hz, none for no tone or
// a word this radio does not define.
bool toneDigitsDecimal(QStringView stored)
{
    if (stored.size() < 4)
        return false;
    const QString word = (stored.mid(2, 2).toString() + stored.mid(0, 2).toString()).toUpper();
    switch (ToneKind(word[0].unicode())) {
    case ToneKind::CtcssBelow100:
    case ToneKind::DcsNormal:
    case ToneKind::DcsInverted:
        return decimalDigits(QStringView(word).mid(1));
    case ToneKind::Ctcss100:
    case ToneKind::Ctcss200:
        return decimalDigits(word);
    case ToneKind::None:
        break;
    }
    return true;
}
} // namespace

std::array<quint8, 16> ChannelCodec::decodedBits(const QByteArray& record)
{
    // Record offsets: frequencies 0 and 4, tone words 8 and 10 (low byte first), flags 12.
    constexpr int RxTone = 8;
    constexpr int TxTone = 10;
    constexpr int Flags = 12;
    std::array<quint8, 16> bits{};
    std::fill(bits.begin(), bits.begin() + RxTone, quint8(0xFF));
    if (record.left(4) == QByteArray(4, char(0xFF))) {
        std::fill(bits.begin() + 4, bits.end(), quint8(0));
        return bits;
    }
    for (const int tone : {RxTone, TxTone}) {
        const bool noTone = record.size() > tone + 1 && (quint8(record[tone + 1]) >> 4) == 0xF;
        bits[size_t(tone)] = noTone ? 0x00 : 0xFF;
        bits[size_t(tone) + 1] = noTone ? 0xF0 : 0xFF;
    }
    bits[Flags] = 0x0F;
    return bits;
}

bool ChannelCodec::frequenciesReadable(QStringView firstReply)
{
    const QString rx = decodeFrequency(firstReply, RxFrequencyPosition);
    if (rx.isEmpty())
        return true;
    const QString tx = decodeFrequency(firstReply, TxFrequencyPosition);
    return decimalFrequency(rx) && (tx.isEmpty() || decimalFrequency(tx));
}

bool ChannelCodec::tonesReadable(QStringView firstReply, QStringView secondReply)
{
    if (decodeFrequency(firstReply, RxFrequencyPosition).isEmpty())
        return true;
    return toneDigitsDecimal(at(secondReply, RxTonePosition, 4)) &&
           toneDigitsDecimal(at(secondReply, TxTonePosition, 4));
}

RadioContents::Channel ChannelCodec::decodeChannel(QStringView firstReply, QStringView secondReply,
                                                   const CellWords& words)
{
    RadioContents::Channel channel;
    const auto field = [&channel](int column) -> QString& {
        return channel[RadioContents::fieldIndex(column)];
    };
    field(Column::RxFrequency) = decodeFrequency(firstReply, RxFrequencyPosition);
    if (field(Column::RxFrequency).isEmpty())
        return channel;
    field(Column::TxFrequency) = decodeFrequency(firstReply, TxFrequencyPosition);
    field(Column::RxTone) = decodeTone(at(secondReply, RxTonePosition, 4), words);
    field(Column::TxTone) = decodeTone(at(secondReply, TxTonePosition, 4), words);
    const QStringView flags = at(secondReply, FlagsDigitPosition);
    if (!flags.isEmpty())
        setFlagFields(flags[0], words,
                      [&](int column, const QString& text) { field(column) = text; });
    return channel;
}

void ChannelCodec::decodeRecord(QStringView firstReply, QStringView secondReply,
                                ChannelTable& table, int row, const CellWords& words)
{
    const RadioContents::Channel channel = decodeChannel(firstReply, secondReply, words);
    for (int column = Column::FirstField; column <= Column::LastField; ++column)
        table.setText(row, column, channel[RadioContents::fieldIndex(column)]);
}

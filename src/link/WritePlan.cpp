#include "link/WritePlan.h"

#include "link/BandCodec.h"
#include "link/ChannelCodec.h"
#include "link/Frames.h"
#include "link/HexText.h"
#include "link/MemoryMap.h"
#include "link/SettingsCodec.h"
#include "workspace/ChannelTable.h"
#include "workspace/LanguageWords.h"

namespace {
constexpr int FrequencyLength = 9;
constexpr int SeparatorIndex = 3;

// The settings written as one decimal digit each.
constexpr FunctionSettings::Setting DigitSettings[] = {
    FunctionSettings::Squelch, FunctionSettings::VoxGain, FunctionSettings::TimeOut,
    FunctionSettings::VoxDelay, FunctionSettings::VoicePrompt};

// Empty, or three digits, the decimal separator and five digits. The encoding skips the
// separator and takes any other length as it comes, which would shift the request.
bool frequencyFits(const QString& cell)
{
    if (cell.isEmpty())
        return true;
    const QChar separator = cell.size() == FrequencyLength ? cell[SeparatorIndex] : QChar();
    return (separator == QLatin1Char('.') || separator == QLatin1Char(',')) &&
           ChannelCodec::encodeFrequency(cell).has_value();
}

// A tone fits when the radio reads back the very text that was written: every tone of the
// list does, and so does any other tone a radio was programmed with.
bool toneFits(const QString& cell, const CellWords& words)
{
    const QString tone = cell.trimmed();
    if (tone.isEmpty() || tone == words.offWord)
        return true;
    const std::optional<QString> stored = ChannelCodec::encodeTone(cell, words);
    return stored && ChannelCodec::decodeTone(*stored, words) == tone;
}

bool fieldFits(int column, const QString& cell, const CellWords& words)
{
    return Column::isFrequency(column) ? frequencyFits(cell) : toneFits(cell, words);
}

// The flag cells share one byte, whose bits are set by comparing each cell with one of its
// column's words; any other text would be sent as the other word without a sign. A row
// whose four flag cells are all empty has no flags to send (the byte is FF).
bool flagsUnset(const ChannelTable& table, int row)
{
    for (int column = Column::Power; column <= Column::OptionC; ++column)
        if (!table.text(row, column).isEmpty())
            return false;
    return true;
}

void checkChannel(const ChannelTable& table, int row, const CellWords& words,
                  QList<WriteProblem>& problems)
{
    for (const int column :
         {Column::RxFrequency, Column::RxTone, Column::TxFrequency, Column::TxTone}) {
        const QString cell = table.text(row, column);
        if (!fieldFits(column, cell, words))
            problems.append({WriteProblem::Place::Channel, row, column, {}, cell});
    }
    if (flagsUnset(table, row))
        return;
    for (int column = Column::Power; column <= Column::OptionC; ++column) {
        const QString cell = table.text(row, column);
        if (!LanguageWords::isColumnWord(column, cell, words))
            problems.append({WriteProblem::Place::Channel, row, column, {}, cell});
    }
}

// The channels as they are sent: a word of either built-in language stands for its meaning,
// as a language switch would show it, so a channel file opened without one is written as
// it reads. Only the fields go into the copy.
void copyInActiveWords(const ChannelTable& table, const CellWords& words, ChannelTable& sent)
{
    for (int row = Row::FirstChannel; row <= Row::LastChannel; ++row)
        for (int column = Column::FirstField; column <= Column::LastField; ++column)
            sent.setText(row, column,
                         LanguageWords::reworded(column, table.text(row, column), words));
}

void checkSettings(const FunctionSettings& settings, QList<WriteProblem>& problems)
{
    for (const FunctionSettings::Setting setting : DigitSettings) {
        const int position = settings.position(setting);
        if (position < 0 || position > 9)
            problems.append(
                {WriteProblem::Place::Setting, 0, 0, setting, QString::number(position)});
    }
}
} // namespace

WritePlan WritePlan::compose(const ChannelTable& table, const CellWords& words,
                             const FunctionSettings& settings, const QString& band)
{
    ChannelTable sent;
    copyInActiveWords(table, words, sent);
    WritePlan plan;
    for (int row = Row::FirstChannel; row <= Row::LastChannel; ++row) {
        checkChannel(sent, row, words, plan.problems);
        const auto first = ChannelCodec::firstBlock(sent, row);
        const auto second = ChannelCodec::secondBlock(sent, row, words);
        if (first && second)
            plan.channels.append(
                {Frame::writeRequest(MemoryMap::channelRecord(row), *first),
                 Frame::writeRequest(MemoryMap::channelRecordSecondHalf(row), *second)});
    }

    checkSettings(settings, plan.problems);
    if (const auto data = SettingsCodec::encode(settings))
        plan.settings = Frame::writeRequest(MemoryMap::SettingsBlock, *data);

    if (const auto data = BandCodec::encode(band))
        plan.band = Frame::writeRequest(MemoryMap::BandBlock, *data);
    else
        plan.problems.append({WriteProblem::Place::Band, 0, 0, {}, band});
    return plan;
}

RadioContents WritePlan::expectedReadBack(const CellWords& words) const
{
    RadioContents contents;
    for (int index = 0; index < channels.size() && index < RadioContents::ChannelCount; ++index)
        contents.channels[size_t(index)] = ChannelCodec::decodeChannel(
            channels[index].firstHalf, channels[index].secondHalf, words);
    if (const auto decoded = SettingsCodec::decode(settings))
        contents.settings = *decoded;
    contents.band = BandCodec::decode(band);
    return contents;
}

RadioBlocks WritePlan::writtenBlocks() const
{
    // A write request: 57, the address high byte first, the length, then the data.
    constexpr int DataStart = 4;
    RadioBlocks blocks;
    const auto add = [&blocks](const QString& request) {
        const QByteArray bytes = hexToBytes(request);
        if (bytes.size() <= DataStart)
            return;
        const int address = quint8(bytes[1]) * 256 + quint8(bytes[2]);
        blocks.insert(address, bytes.mid(DataStart));
    };
    for (const ChannelRequests& requests : channels) {
        add(requests.firstHalf);
        add(requests.secondHalf);
    }
    add(settings);
    add(band);
    return blocks;
}

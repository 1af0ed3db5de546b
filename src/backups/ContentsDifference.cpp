#include "backups/ContentsDifference.h"

#include "link/BandCodec.h"
#include "link/ChannelCodec.h"
#include "link/MemoryMap.h"
#include "link/SettingsCodec.h"

namespace {
using Place = ContentsDifference::Place;

QString flagText(bool set)
{
    return set ? QStringLiteral("1") : QStringLiteral("0");
}

QString byteText(quint8 byte)
{
    return QStringLiteral("%1").arg(byte, 2, 16, QLatin1Char('0')).toUpper();
}

// Where a stored byte lies, and which of its bits a read looks at.
struct StoredPlace
{
    Place place = Place::ChannelByte;
    int row = 0;
    int byte = 0;
    quint8 decodedBits = 0;
};

StoredPlace storedPlace(int address, const RadioBlocks& written)
{
    if (address >= MemoryMap::SettingsBlock && address < MemoryMap::PowerCalibration) {
        const int byte = address - MemoryMap::SettingsBlock;
        return {Place::SettingsByte, 0, byte, SettingsCodec::DecodedBits[size_t(byte)]};
    }
    if (address >= MemoryMap::BandBlock) {
        const int byte = address - MemoryMap::BandBlock;
        return {Place::BandByte, 0, byte, BandCodec::DecodedBits[size_t(byte)]};
    }
    const int row = address / MemoryMap::ChannelRecordSize;
    const int byte = address % MemoryMap::ChannelRecordSize;
    const int record = MemoryMap::channelRecord(row);
    const QByteArray bytes = written.value(record, QByteArray(MemoryMap::BlockSize, char(0xFF))) +
                             written.value(record + MemoryMap::BlockSize);
    return {Place::ChannelByte, row, byte, ChannelCodec::decodedBits(bytes)[size_t(byte)]};
}
} // namespace

int ContentsDifference::address() const
{
    switch (place) {
    case Place::ChannelByte:
        return MemoryMap::channelRecord(row) + byte;
    case Place::SettingsByte:
        return MemoryMap::SettingsBlock + byte;
    case Place::BandByte:
        return MemoryMap::BandBlock + byte;
    default:
        break;
    }
    return -1;
}

QList<ContentsDifference> compareContents(const RadioContents& written,
                                          const RadioContents& readBack)
{
    using Place = ContentsDifference::Place;
    QList<ContentsDifference> differences;
    for (int row = Row::FirstChannel; row <= Row::LastChannel; ++row) {
        for (int column = Column::FirstField; column <= Column::LastField; ++column) {
            const int field = RadioContents::fieldIndex(column);
            const QString& sent = written.channel(row)[field];
            const QString& held = readBack.channel(row)[field];
            if (sent != held)
                differences.append({Place::Channel, row, column, {}, sent, held});
        }
    }
    for (int index = 0; index < FunctionSettings::SettingCount; ++index) {
        const int sent = written.settings.positions[size_t(index)];
        const int held = readBack.settings.positions[size_t(index)];
        if (sent != held)
            differences.append({Place::Setting, 0, 0, FunctionSettings::Setting(index),
                                QString::number(sent), QString::number(held)});
    }
    if (written.settings.voxInhibit != readBack.settings.voxInhibit)
        differences.append({Place::VoxInhibit,
                            0,
                            0,
                            {},
                            flagText(written.settings.voxInhibit),
                            flagText(readBack.settings.voxInhibit)});
    if (written.band != readBack.band)
        differences.append({Place::Band, 0, 0, {}, written.band, readBack.band});
    return differences;
}

StoredByteDifferences compareStoredBytes(const RadioBlocks& written, const RadioBlocks& readBack)
{
    StoredByteDifferences differences;
    for (auto block = written.cbegin(); block != written.cend(); ++block) {
        const QByteArray held = readBack.value(block.key());
        for (int index = 0; index < block.value().size(); ++index) {
            const quint8 sent = quint8(block.value()[index]);
            // A block the read-back lacks holds nothing that was written.
            const std::optional<quint8> kept =
                index < held.size() ? std::optional<quint8>(quint8(held[index])) : std::nullopt;
            if (kept == sent)
                continue;
            const StoredPlace at = storedPlace(block.key() + index, written);
            ContentsDifference difference{
                at.place, at.row, 0, {}, byteText(sent), kept ? byteText(*kept) : QString(),
                at.byte};
            const bool decoded = !kept || ((sent ^ *kept) & at.decodedBits) != 0;
            (decoded ? differences.decoded : differences.unused).append(difference);
        }
    }
    return differences;
}

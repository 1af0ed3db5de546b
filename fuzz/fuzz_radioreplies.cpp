// Whatever a radio (or a noisy line) sends back, decoded as every kind of reply.
#include "link/BandCodec.h"
#include "link/CalibrationCodec.h"
#include "link/ChannelCodec.h"
#include "link/HexText.h"
#include "link/ReplyAddresses.h"
#include "link/SettingsCodec.h"
#include "workspace/CellWords.h"
#include "workspace/ChannelTable.h"
#include "workspace/FunctionSettings.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    // Replies reach the decoders as the hex text of the received bytes; the raw bytes as
    // text cover decoders handed text that is not hex at all.
    const QString hex = bytesToHex(bytes);
    const QString raw = QString::fromLatin1(bytes);
    const CellWords words{QStringLiteral("OFF"), QStringLiteral("ON"), QStringLiteral("High"),
                          QStringLiteral("Low")};

    for (const QString& reply : {hex, raw}) {
        ChannelTable table;
        FunctionSettings settings;
        const qsizetype half = reply.size() / 2;
        ChannelCodec::decodeRecord(QStringView(reply).left(half), QStringView(reply).mid(half),
                                   table, 1, words);
        ChannelCodec::decodeFrequency(reply, 15);
        ChannelCodec::decodeFrequency(reply, 23);
        ChannelCodec::decodeTone(QStringView(reply).left(4), words);
        SettingsCodec::decode(reply, settings);
        BandCodec::isBand(BandCodec::decode(reply));
        CalibrationCodec::decode(reply);
        CalibrationCodec::read(reply);
        ChannelCodec::frequenciesReadable(QStringView(reply).left(half));
        ChannelCodec::tonesReadable(QStringView(reply).left(half), QStringView(reply).mid(half));
        // What was decoded must encode again or be refused, never overrun.
        ChannelCodec::firstBlock(table, 1);
        ChannelCodec::secondBlock(table, 1, words);
        SettingsCodec::encode(settings);
        bool ok = false;
        hexToBytes(reply, &ok);
    }
    // The raw bytes as replies whose header may or may not name a block, and as a record.
    ReplyAddresses addresses;
    addresses.accepts(bytes, 0x03E0);
    addresses.accepts(bytes.mid(1), 0x0010);
    ChannelCodec::decodedBits(bytes);
    return 0;
}

#include "link/ReadProcedure.h"

#include "app/Workspace.h"
#include "link/BandCodec.h"
#include "link/ChannelCodec.h"
#include "link/Frames.h"
#include "link/Link.h"
#include "link/MemoryMap.h"
#include "link/SettingsCodec.h"

ReadProcedure::ReadProcedure(Workspace& workspace, RadioExchange& exchange)
    : m_workspace(workspace), m_exchange(exchange)
{
}

RadioExchange::Result ReadProcedure::run()
{
    m_exchange.begin();
    Result result = m_exchange.handshake();
    if (result == Result::Done)
        result = readBand();
    if (result == Result::Done)
        result = readChannels();
    if (result == Result::Done)
        result = readSettings();
    return m_exchange.finish(result);
}

RadioExchange::Result ReadProcedure::readBand()
{
    // The band box's change reaction must neither ask nor reset for the radio's band.
    m_workspace.editor.Loading = true;
    const Result result = takeBand();
    if (result == Result::Quit)
        return result;
    m_workspace.editor.Loading = false;
    // The radio expects the acknowledgement whether or not the band came.
    if (m_exchange.acknowledge() == Result::Quit)
        return Result::Quit;
    return result;
}

RadioExchange::Result ReadProcedure::takeBand()
{
    // What the handshake left is the radio's answer to the program's 06 (or still the
    // hello reply, which starts with 06 as well).
    if (!m_exchange.acknowledged())
        return Result::Failed;
    if (!m_exchange.send(Frame::ReadRequest(MemoryMap::BandBlock), Frame::ReadReplyLength))
        return Result::Failed;
    if (const Result reply = m_exchange.awaitReply(Link::LongWait); reply != Result::Done)
        return reply;
    selectBand(BandCodec::decode(m_exchange.reply()));
    m_workspace.setTitleFromBand();
    m_exchange.advance(StageProgress);
    return Result::Done;
}

void ReadProcedure::selectBand(const QString& band)
{
    BandList& bands = m_workspace.bands;
    int index = bands.indexOf(band);
    // A radio without a band block keeps the band box as it was.
    if (index < 0 && band != BandCodec::NoBand) {
        bands.append(band);
        index = bands.count() - 1;
    }
    if (index >= 0)
        bands.select(index);
}

RadioExchange::Result ReadProcedure::readChannels()
{
    for (int row = Row::FirstChannel; row <= Row::LastChannel; ++row) {
        if (const Result result = readChannel(row); result != Result::Done)
            return result;
    }
    return Result::Done;
}

// A record comes in two blocks, each answered by the program's 06 and the radio's own.
RadioExchange::Result ReadProcedure::readChannel(int row)
{
    ChannelTable& table = m_workspace.table;
    if (!m_exchange.send(Frame::ReadRequest(MemoryMap::ChannelRecord(row)), Frame::ReadReplyLength))
        return Result::Failed;
    // From here on the row shows nothing of what it held before.
    table.clearChannel(row);
    if (const Result reply = m_exchange.awaitReply(Link::LongWait); reply != Result::Done)
        return reply;
    const QString firstHalf = m_exchange.reply();
    if (m_exchange.acknowledge() == Result::Quit)
        return Result::Quit;
    if (!m_exchange.acknowledged())
        return Result::Failed;

    if (!m_exchange.send(Frame::ReadRequest(MemoryMap::ChannelRecordSecondHalf(row)),
                         Frame::ReadReplyLength))
        return Result::Failed;
    if (const Result reply = m_exchange.awaitReply(Link::ShortWait); reply != Result::Done)
        return reply;
    ChannelCodec::decodeRecord(firstHalf, m_exchange.reply(), table, row, m_workspace.words);
    if (m_exchange.acknowledge() == Result::Quit)
        return Result::Quit;
    m_exchange.advance(StageProgress);
    return m_exchange.acknowledged() ? Result::Done : Result::Failed;
}

RadioExchange::Result ReadProcedure::readSettings()
{
    if (!m_exchange.send(Frame::ReadRequest(MemoryMap::SettingsBlock), Frame::ReadReplyLength))
        return Result::Failed;
    if (const Result reply = m_exchange.awaitReply(Link::ShortWait); reply != Result::Done)
        return reply;
    SettingsCodec::decode(m_exchange.reply(), m_workspace.settings);
    m_exchange.advance(StageProgress);
    // The radio's answer to this last 06 is not looked at.
    if (m_exchange.acknowledge() == Result::Quit)
        return Result::Quit;
    return Result::Done;
}

#include "link/ReadProcedure.h"

#include "link/BandCodec.h"
#include "link/ChannelCodec.h"
#include "link/Frames.h"
#include "link/Link.h"
#include "link/MemoryMap.h"
#include "link/SettingsCodec.h"
#include "workspace/Workspace.h"

ReadProcedure::ReadProcedure(Workspace& workspace, RadioExchange& exchange)
    : m_workspace(workspace), m_exchange(exchange)
{
}

RadioExchange::Result ReadProcedure::run()
{
    m_exchange.begin();
    RadioContents contents;
    const Result result = read(contents);
    if (result == Result::Done)
        m_workspace.takeRadioContents(contents);
    return m_exchange.finish(result);
}

RadioExchange::Result ReadProcedure::read(RadioContents& contents, RadioBlocks* blocks)
{
    m_blocks = blocks;
    Result result = m_exchange.handshake();
    if (result == Result::Done)
        result = readBand(contents);
    if (result == Result::Done)
        result = readChannels(contents);
    if (result == Result::Done)
        result = readSettings(contents);
    if (result == Result::Done)
        result = m_exchange.leaveProgramming();
    return result;
}

RadioExchange::Result ReadProcedure::readBand(RadioContents& contents)
{
    const Result result = takeBand(contents);
    if (result == Result::Quit)
        return result;
    // The radio expects the acknowledgement whether or not the band came.
    const Result answer = m_exchange.acknowledge();
    return result == Result::Done ? answer : result;
}

RadioExchange::Result ReadProcedure::takeBand(RadioContents& contents)
{
    // The radio must have answered the handshake's 06 with its own, in time and alone: a
    // late one would be taken for the start of the band block.
    if (!m_exchange.acknowledged())
        return Result::Failed;
    if (const Result reply = readBlock(MemoryMap::BandBlock, Link::LongWait); reply != Result::Done)
        return reply;
    contents.band = BandCodec::decode(m_exchange.reply());
    if (!BandCodec::isBand(contents.band))
        return Result::Failed;
    m_exchange.advance(StageProgress);
    return Result::Done;
}

RadioExchange::Result ReadProcedure::readChannels(RadioContents& contents)
{
    for (int row = Row::FirstChannel; row <= Row::LastChannel; ++row) {
        if (const Result result = readChannel(row, contents.channel(row)); result != Result::Done)
            return result;
    }
    return Result::Done;
}

// A record comes in two blocks, each answered by the program's 06 and the radio's own. A
// block whose digits no channel has is taken for a reply that did not come: the radio is
// not sent the 06 for it.
RadioExchange::Result ReadProcedure::readChannel(int row, RadioContents::Channel& channel)
{
    if (const Result reply = readBlock(MemoryMap::channelRecord(row), Link::LongWait);
        reply != Result::Done)
        return reply;
    const QString firstHalf = m_exchange.reply();
    if (!ChannelCodec::frequenciesReadable(firstHalf))
        return Result::Failed;
    if (const Result answer = m_exchange.acknowledge(); answer != Result::Done)
        return answer;

    if (const Result reply = readBlock(MemoryMap::channelRecordSecondHalf(row), Link::ShortWait);
        reply != Result::Done)
        return reply;
    const QString secondHalf = m_exchange.reply();
    if (!ChannelCodec::tonesReadable(firstHalf, secondHalf))
        return Result::Failed;
    channel = ChannelCodec::decodeChannel(firstHalf, secondHalf, m_workspace.words);
    const Result answer = m_exchange.acknowledge();
    if (answer == Result::Quit)
        return answer;
    m_exchange.advance(StageProgress);
    return answer;
}

RadioExchange::Result ReadProcedure::readSettings(RadioContents& contents)
{
    if (const Result reply = readBlock(MemoryMap::SettingsBlock, Link::ShortWait);
        reply != Result::Done)
        return reply;
    const std::optional<SettingsValues> settings = SettingsCodec::decode(m_exchange.reply());
    if (!settings)
        return Result::Failed;
    contents.settings = *settings;
    m_exchange.advance(StageProgress);
    // Nothing needs the radio's answer to this last 06; only a byte too many counts.
    return m_exchange.acknowledgeLast();
}

RadioExchange::Result ReadProcedure::readBlock(int address, int ms)
{
    const Result reply = m_exchange.readBlock(address, ms);
    if (reply == Result::Done && m_blocks)
        m_blocks->insert(address, m_exchange.link().receivedBytes().mid(Frame::ReplyHeaderLength));
    return reply;
}

#pragma once

#include "link/MemoryMap.h"

#include "RadioFaults.h"
#include "support/SampleRadio.h"

#include <QByteArray>

// The radio the checked-write suites write the sample into: it holds the sample without one
// of its channels, so that its backup differs from what is written.
namespace RadioBeforeWrite {
constexpr int EmptiedRow = 7;

inline QByteArray image()
{
    QByteArray image = SampleRadio::image();
    image.replace(MemoryMap::channelRecord(EmptiedRow), MemoryMap::ChannelRecordSize,
                  QByteArray(MemoryMap::ChannelRecordSize, char(0xFF)));
    return image;
}

// A read that stops at its first request: the band block comes a byte short.
inline RadioFaults shortBandReply()
{
    RadioFaults faults;
    faults.answerFault = AnswerFault{RadioCommandKind::Read, MemoryMap::BandBlock};
    faults.answerFault->lengthChange = -1;
    return faults;
}
} // namespace RadioBeforeWrite

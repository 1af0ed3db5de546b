#include "link/Frames.h"

#include "link/MemoryMap.h"

namespace {
const QString ReadCommand = QStringLiteral("52");  // "R"
const QString WriteCommand = QStringLiteral("57"); // "W"

QString blockLength()
{
    return QStringLiteral("%1").arg(MemoryMap::BlockSize, 2, 16, QLatin1Char('0'));
}
} // namespace

QString Frame::addressText(int address)
{
    return QStringLiteral("%1").arg(address & 0xFFFF, 4, 16, QLatin1Char('0')).toUpper();
}

QString Frame::readRequest(int address)
{
    return ReadCommand + addressText(address) + blockLength();
}

QString Frame::writeRequest(int address, const QString& data)
{
    return WriteCommand + addressText(address) + blockLength() + data;
}

#include "workspace/InstallLog.h"

namespace {

// Where the line starting at `from` ends: at the first CR or LF, or at the end of the log.
qsizetype lineEnd(const QByteArray& log, qsizetype from)
{
    for (qsizetype at = from; at < log.size(); ++at)
        if (log[at] == '\r' || log[at] == '\n')
            return at;
    return log.size();
}

// Where the next line starts, after the line end at `end` (CR LF counts as one end).
qsizetype nextLineStart(const QByteArray& log, qsizetype end)
{
    if (log[end] == '\r' && end + 1 < log.size() && log[end + 1] == '\n')
        return end + 2;
    return end + 1;
}

} // namespace

namespace InstallLog {

std::optional<QByteArray> secondLine(const QByteArray& log)
{
    const qsizetype firstEnd = lineEnd(log, 0);
    if (firstEnd == log.size())
        return std::nullopt;
    const qsizetype secondStart = nextLineStart(log, firstEnd);
    if (secondStart == log.size())
        return std::nullopt;
    return log.mid(secondStart, lineEnd(log, secondStart) - secondStart);
}

} // namespace InstallLog

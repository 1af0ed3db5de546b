#include "support/ChannelFileRows.h"

#include "files/ChannelFileParser.h"

QList<QStringList> channelsOf(const QByteArray& channelFile)
{
    const ParsedChannelFile parsed = ChannelFileParser::parse(channelFile);
    QList<QStringList> rows;
    if (!parsed.ok())
        return rows;
    for (const QStringList& fields : parsed.content.channels)
        rows << fields;
    return rows;
}

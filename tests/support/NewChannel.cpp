#include "support/NewChannel.h"

#include "workspace/ChannelTable.h"

QStringList newChannel(const QString& frequency)
{
    return {frequency, "OFF", frequency, "OFF", "High", "ON", "OFF", "OFF"};
}

void putNewChannel(ChannelTable& table, int row, const QString& frequency)
{
    const QStringList texts = newChannel(frequency);
    for (int field = 0; field < texts.size(); ++field)
        table.setText(row, Column::FirstField + field, texts[field]);
}

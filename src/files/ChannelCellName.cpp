#include "files/ChannelCellName.h"

#include "workspace/ChannelColumn.h"

QString channelCellName(int column, Language language)
{
    const bool english = language == Language::English;
    switch (column) {
    case Column::RxFrequency:
        return english ? QStringLiteral("receive frequency") : QStringLiteral("接收频率");
    case Column::RxTone:
        return english ? QStringLiteral("receive tone") : QStringLiteral("接收亚音");
    case Column::TxFrequency:
        return english ? QStringLiteral("transmit frequency") : QStringLiteral("发射频率");
    case Column::TxTone:
        return english ? QStringLiteral("transmit tone") : QStringLiteral("发射亚音");
    case Column::Power:
        return english ? QStringLiteral("power") : QStringLiteral("功率");
    default:
        return english ? QStringLiteral("option %1").arg(column - Column::OptionA + 1)
                       : QStringLiteral("选项 %1").arg(column - Column::OptionA + 1);
    }
}

#include "workspace/MessageTexts.h"

#include "workspace/MessageIds.h"

namespace {

struct Entry
{
    int id;
    const char* chinese;
    const char* english;
};

constexpr Entry Entries[] = {
    {Message::CommunicationTitle, "通信错误", "Communication error"},
    {Message::PortUnavailable,
     "无法通过所选串口连接电台。\n\n"
     "“选项”中的“通信端口”页列出每个端口对应的设备。",
     "The radio could not be reached through the chosen serial port.\n\n"
     "The COM Port page under Options shows the device behind each port."},
    {Message::RadioNotAnswering,
     "电台没有按要求应答，操作未完成。\n\n"
     "读频未完成时不会改动任何内容：信道、功能选项和型号都保持原样。"
     "如果写入中途失败，电台只写入了一部分，请重新写入一次。\n\n"
     "请确认电台已开机、写频线两端已插紧、所选通信端口正确，然后重试。",
     "The radio did not answer as it should, so the operation did not finish.\n\n"
     "A read that does not finish changes nothing: the channels, the function settings and "
     "the band stay as they were. If a write stopped half way, only part of the radio has "
     "been written: write it again.\n\n"
     "Make sure the radio is switched on, the cable is firmly plugged in at both ends and "
     "the right communication port is chosen, then try again."},
    {Message::PromptTitle, "提示", "Please confirm"},
    {Message::ConfirmBandChange,
     "更换型号将把功能选项恢复为默认设置，并清空全部 16 个信道。\n\n是否继续？",
     "Changing the band resets the function settings and clears all 16 channels.\n\n"
     "Do you want to continue?"},
    {Message::ConfirmNew, "新建将把功能选项恢复为默认设置，并清空全部 16 个信道。\n\n是否继续？",
     "New resets the function settings and clears all 16 channels.\n\n"
     "Do you want to continue?"},
    {Message::ConfirmListInFileOrder,
     "此信道列表的 Location 列没有为每一行指定 1 至 16 之间各不相同的信道号，"
     "为其他电台制作的列表常会如此。\n\n是否改为按列表中的顺序填入信道 1 至 16？",
     "The Location column of this channel list does not give each row a channel of its own "
     "from 1 to 16, as happens with a list made for another radio.\n\n"
     "Fill channels 1 to 16 in the list's order instead?"},
    {Message::FrequencyOutOfBand,
     "输入的频率超出了所选型号的频段，已调整为频段内最接近的频率。\n\n"
     "如需使用其他频段，请在“功能选项”页的“型号”中选择。",
     "The frequency lies outside the selected band and has been moved to the nearest "
     "frequency inside it.\n\n"
     "To use another band, choose it in the Band box on the Functions page."},
};

bool isChinese(const QString& language)
{
    return language == QLatin1String("chinese");
}

} // namespace

QString MessageTexts::text(const QString& language, int id)
{
    for (const Entry& entry : Entries) {
        if (entry.id == id)
            return QString::fromUtf8(isChinese(language) ? entry.chinese : entry.english);
    }
    return {};
}

QString MessageTexts::yesButton(const QString& language)
{
    return isChinese(language) ? QStringLiteral("是") : QStringLiteral("Yes");
}

QString MessageTexts::noButton(const QString& language)
{
    return isChinese(language) ? QStringLiteral("否") : QStringLiteral("No");
}

QString MessageTexts::okButton(const QString& language)
{
    return isChinese(language) ? QStringLiteral("确定") : QStringLiteral("OK");
}

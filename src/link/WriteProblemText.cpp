#include "link/WriteProblemText.h"

#include "channels/ChannelColumn.h"

#include <QStringList>

namespace {

struct Words
{
    const char16_t* chinese;
    const char16_t* english;

    QString in(Language language) const
    {
        return QString::fromUtf16(language == Language::English ? english : chinese);
    }
};

Words columnName(int column)
{
    switch (column) {
    case Column::RxFrequency:
        return {u"接收频率", u"receive frequency"};
    case Column::RxTone:
        return {u"接收亚音", u"receive tone"};
    case Column::TxFrequency:
        return {u"发射频率", u"transmit frequency"};
    case Column::TxTone:
        return {u"发射亚音", u"transmit tone"};
    default:
        return {u"信道数据", u"channel data"};
    }
}

Words settingName(FunctionSettings::Setting setting)
{
    switch (setting) {
    case FunctionSettings::Squelch:
        return {u"静噪电平", u"squelch level"};
    case FunctionSettings::BatSave:
        return {u"电池省电", u"battery save"};
    case FunctionSettings::TxTOT:
        return {u"超时禁发", u"transmit time-out"};
    case FunctionSettings::Tone:
        return {u"提示音", u"prompt tone"};
    case FunctionSettings::Emg:
        return {u"报警按键", u"alarm key"};
    case FunctionSettings::Scan:
        return {u"扫描允许", u"scan"};
    case FunctionSettings::Voice:
        return {u"语音通知", u"voice prompt"};
    case FunctionSettings::VoxGainLevel:
        return {u"VOX Gain Level", u"VOX gain level"};
    case FunctionSettings::VoxDelay:
        return {u"VOX Delay Time", u"VOX delay time"};
    }
    return {u"", u""};
}

QString channelLine(const WriteProblem& problem, Language language)
{
    const QString channel = QStringLiteral("%1").arg(problem.row, 2, 10, QLatin1Char('0'));
    const QString field = columnName(problem.column).in(language);
    if (language == Language::English)
        return QStringLiteral("Channel %1, %2: \"%3\"").arg(channel, field, problem.text);
    return QStringLiteral("第 %1 信道，%2：“%3”").arg(channel, field, problem.text);
}

QString settingLine(const WriteProblem& problem, Language language)
{
    const QString setting = settingName(problem.setting).in(language);
    if (language == Language::English)
        return QStringLiteral("Setting %1: position %2").arg(setting, problem.text);
    return QStringLiteral("功能选项 %1：位置 %2").arg(setting, problem.text);
}

QString bandLine(const WriteProblem& problem, Language language)
{
    if (language == Language::English)
        return QStringLiteral("Band: \"%1\"").arg(problem.text);
    return QStringLiteral("型号：“%1”").arg(problem.text);
}

QString problemLine(const WriteProblem& problem, Language language)
{
    switch (problem.place) {
    case WriteProblem::Place::Channel:
        return channelLine(problem, language);
    case WriteProblem::Place::Setting:
        return settingLine(problem, language);
    case WriteProblem::Place::Band:
        return bandLine(problem, language);
    }
    return {};
}

} // namespace

QString writeProblemText(const QList<WriteProblem>& problems, Language language)
{
    QStringList lines;
    lines << (language == Language::English
                  ? QStringLiteral("Nothing was written to the radio: these values are not in "
                                   "a form the radio can store:")
                  : QStringLiteral("未向电台写入任何数据：以下内容的格式电台无法保存："));
    for (const WriteProblem& problem : problems)
        lines << problemLine(problem, language);
    lines << (language == Language::English ? QStringLiteral("Correct them, then write again")
                                            : QStringLiteral("请改正后重新写频"));
    return lines.join(QLatin1Char('\n'));
}

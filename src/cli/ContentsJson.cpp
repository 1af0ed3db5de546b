#include "cli/ContentsJson.h"

#include <QJsonArray>

#include <optional>

namespace ContentsJson {

namespace {

// A word of the cell words as its value; nothing for a text that is none of them.
std::optional<QJsonValue> wordValue(int column, const QString& text, const CellWords& words)
{
    if (Column::isTone(column) && text == words.offWord)
        return QStringLiteral("off");
    if (column == Column::Power) {
        if (text == words.highWord)
            return QStringLiteral("high");
        if (text == words.lowWord)
            return QStringLiteral("low");
    }
    if (Column::isFlag(column) && column != Column::Power) {
        if (text == words.onWord)
            return true;
        if (text == words.offWord)
            return false;
    }
    return std::nullopt;
}

QJsonObject channel(int number, const RadioContents::Channel& fields, const CellWords& words)
{
    QJsonObject object{{QStringLiteral("channel"), number}};
    const bool empty = fields[RadioContents::fieldIndex(Column::RxFrequency)].isEmpty();
    object.insert(QStringLiteral("empty"), empty);
    if (empty)
        return object;
    for (int column = Column::FirstField; column <= Column::LastField; ++column)
        object.insert(fieldName(column),
                      fieldValue(column, fields[RadioContents::fieldIndex(column)], words));
    return object;
}

QJsonObject settings(const SettingsValues& values)
{
    QJsonObject object;
    for (int setting = 0; setting < FunctionSettings::SettingCount; ++setting) {
        const auto which = FunctionSettings::Setting(setting);
        object.insert(settingName(which), settingValue(which, values.positions[setting]));
    }
    object.insert(VoxInhibitName, values.voxInhibit);
    return object;
}

} // namespace

QJsonObject contents(const RadioContents& contents, const CellWords& words)
{
    QJsonArray channels;
    for (int number = 1; number <= RadioContents::ChannelCount; ++number)
        channels.append(channel(number, contents.channel(number), words));
    return {{QStringLiteral("band"), contents.band},
            {QStringLiteral("channels"), channels},
            {QStringLiteral("settings"), settings(contents.settings)}};
}

QString fieldName(int column)
{
    switch (column) {
    case Column::RxFrequency:
        return QStringLiteral("rxFrequency");
    case Column::RxTone:
        return QStringLiteral("rxTone");
    case Column::TxFrequency:
        return QStringLiteral("txFrequency");
    case Column::TxTone:
        return QStringLiteral("txTone");
    case Column::Power:
        return QStringLiteral("power");
    case Column::Wideband:
        return QStringLiteral("wideband");
    case Column::BusyLock:
        return QStringLiteral("busyLock");
    case Column::Scramble:
        return QStringLiteral("scramble");
    }
    return {};
}

QJsonValue fieldValue(int column, const QString& text, const CellWords& words)
{
    if (text.isEmpty())
        return QJsonValue::Null;
    if (const std::optional<QJsonValue> word = wordValue(column, text, words))
        return *word;
    // The grid writes a comma where the locale does; a document is read the same anywhere.
    if (Column::isFrequency(column))
        return QString(text).replace(QLatin1Char(','), QLatin1Char('.'));
    return text;
}

QString settingName(FunctionSettings::Setting setting)
{
    using S = FunctionSettings;
    switch (setting) {
    case S::Squelch:
        return QStringLiteral("squelch");
    case S::BatterySave:
        return QStringLiteral("batterySave");
    case S::TimeOut:
        return QStringLiteral("timeOut");
    case S::PromptTone:
        return QStringLiteral("promptTone");
    case S::AlarmKey:
        return QStringLiteral("alarmKey");
    case S::Scan:
        return QStringLiteral("scan");
    case S::VoicePrompt:
        return QStringLiteral("voicePrompt");
    case S::VoxGain:
        return QStringLiteral("voxGain");
    case S::VoxDelay:
        return QStringLiteral("voxDelay");
    }
    return {};
}

// The positions mean what the lists of either language show at them.
QJsonValue settingValue(FunctionSettings::Setting setting, int position)
{
    using S = FunctionSettings;
    if (position < 0 || position >= S::entryCount(setting))
        return QJsonValue::Null;
    switch (setting) {
    case S::Squelch: // levels 0 to 9
    case S::TimeOut: // off, then 1 to 7 minutes
        return position;
    case S::BatterySave: // off, on
    case S::PromptTone:
    case S::AlarmKey:
        return position == 1;
    case S::Scan: // on, off
        return position == 0;
    case S::VoicePrompt: {
        static const char* const Voices[] = {"off", "english", "chinese"};
        return QString::fromLatin1(Voices[position]);
    }
    case S::VoxGain:  // levels 1 to 8
    case S::VoxDelay: // 1 to 4 seconds
        return position + 1;
    }
    return QJsonValue::Null;
}

} // namespace ContentsJson

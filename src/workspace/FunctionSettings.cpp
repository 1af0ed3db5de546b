#include "workspace/FunctionSettings.h"

#include "workspace/BuiltInLanguages.h"
#include "workspace/LanguageStrings.h"

FunctionSettings::FunctionSettings(QObject* parent) : QObject(parent)
{
    for (int setting = 0; setting < SettingCount; ++setting)
        m_entries[setting] = builtInEntries(Setting(setting));
}

// The lists the settings page is built with, before any language is applied. The voice
// list is in another order than the one a language builds (its off entry comes last).
QStringList FunctionSettings::builtInEntries(Setting setting)
{
    using namespace Qt::StringLiterals;
    const QString off = BuiltInLanguages::defaultCaption(LanguageString::OffWord);
    switch (setting) {
    case Squelch:
        return {u"0"_s, u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s, u"7"_s, u"8"_s, u"9"_s};
    case BatterySave:
    case PromptTone:
    case AlarmKey:
        return {u"OFF"_s, u"ON"_s};
    case TimeOut:
        return timeOutEntries(off, BuiltInLanguages::defaultCaption(LanguageString::MinutesUnit));
    case Scan:
        return {u"ON"_s, u"OFF"_s};
    case VoicePrompt:
        return {u"Male voice in Chinese"_s, u"英文男声"_s, off};
    case VoxGain:
        return {u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s, u"7"_s, u"8"_s};
    case VoxDelay:
        return {u"1s"_s, u"2s"_s, u"3s"_s, u"4s"_s};
    }
    return {};
}

QStringList FunctionSettings::timeOutEntries(const QString& offWord, const QString& minutesUnit)
{
    QStringList entries{offWord};
    for (int minutes = 1; minutes <= 7; ++minutes)
        entries << QString::number(minutes) + minutesUnit;
    return entries;
}

void FunctionSettings::setPosition(Setting setting, int position)
{
    if (m_positions[setting] == position)
        return;
    m_positions[setting] = position;
    emit positionChanged(setting, position);
}

void FunctionSettings::setEntries(Setting setting, const QStringList& entries)
{
    m_entries[setting] = entries;
    emit entriesChanged(setting);
}

QString FunctionSettings::text(Setting setting) const
{
    return m_entries[setting].value(m_positions[setting]);
}

void FunctionSettings::setVoxInhibit(bool checked)
{
    if (m_voxInhibit == checked)
        return;
    m_voxInhibit = checked;
    emit voxInhibitChanged(checked);
}

void FunctionSettings::reset(const Positions& positions)
{
    for (int setting = 0; setting < SettingCount; ++setting)
        setPosition(Setting(setting), positions[setting]);
    setVoxInhibit(true);
}

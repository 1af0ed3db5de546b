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
    const QString off = BuiltInLanguages::defaultCaption(LanguageString::offWord);
    switch (setting) {
    case Squelch:
        return {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    case BatterySave:
    case PromptTone:
    case AlarmKey:
        return {"OFF", "ON"};
    case TimeOut:
        return timeOutEntries(off, BuiltInLanguages::defaultCaption(LanguageString::MinutesUnit));
    case Scan:
        return {"ON", "OFF"};
    case VoicePrompt:
        return {"Male voice in Chinese", "英文男声", off};
    case VoxGain:
        return {"1", "2", "3", "4", "5", "6", "7", "8"};
    case VoxDelay:
        return {"1s", "2s", "3s", "4s"};
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

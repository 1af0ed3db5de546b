#pragma once

#include <QObject>
#include <QStringList>

#include <array>

// The radio's function settings. Each is held as a 0-based position in a fixed list of
// entries (the position is the value of record); VOX inhibit is a check box. The texts of
// the on/off, time-out and voice lists follow the language; their positions do not.
class FunctionSettings : public QObject
{
    Q_OBJECT

public:
    enum Setting : int {
        Squelch,
        BatterySave,
        TimeOut, // transmit time-out
        PromptTone,
        AlarmKey,
        Scan,
        VoicePrompt,
        VoxGain,
        VoxDelay,
    };
    static constexpr int SettingCount = 9;
    using Positions = std::array<int, SettingCount>;

    // Positions at start-up and after the New command.
    static constexpr Positions StartupPositions = {2, 1, 3, 1, 1, 1, 2, 2, 2};
    // Positions after a confirmed band change: time-out 4 min, voice off, VOX delay 2 s.
    static constexpr Positions BandChangePositions = {2, 1, 4, 1, 1, 1, 0, 2, 1};

    explicit FunctionSettings(QObject* parent = nullptr);

    // How many entries each setting's list has, whatever the language.
    static constexpr std::array<int, SettingCount> EntryCounts = {10, 2, 8, 2, 2, 2, 3, 8, 4};
    static constexpr int entryCount(Setting setting) { return EntryCounts[setting]; }

    static QStringList builtInEntries(Setting setting);
    // The time-out list: the off word, then 1 to 7 minutes, each number followed by the unit.
    static QStringList timeOutEntries(const QString& offWord, const QString& minutesUnit);

    int position(Setting setting) const { return m_positions[setting]; }
    const Positions& positions() const { return m_positions; }
    void setPosition(Setting setting, int position);

    const QStringList& entries(Setting setting) const { return m_entries[setting]; }
    // Replaces a list's texts; its position stays where it was.
    void setEntries(Setting setting, const QStringList& entries);

    // The entry the list shows; empty while the position lies outside the list.
    QString text(Setting setting) const;

    bool voxInhibit() const { return m_voxInhibit; }
    void setVoxInhibit(bool checked);

    // Sets every position and checks VOX inhibit, as start-up, New and a band change do.
    void reset(const Positions& positions);

signals:
    void entriesChanged(FunctionSettings::Setting setting);
    void positionChanged(FunctionSettings::Setting setting, int position);
    void voxInhibitChanged(bool checked);

private:
    std::array<QStringList, SettingCount> m_entries;
    Positions m_positions = StartupPositions;
    bool m_voxInhibit = true;
};

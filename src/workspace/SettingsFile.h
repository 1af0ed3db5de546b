#pragma once

#include "workspace/IniFile.h"

#include <QString>
#include <QStringList>

#include <optional>

// qv3307.ini in the program folder: the few choices that outlive a run (port, skin, band
// list and selected band). Opened when the main window is created, written when it is
// destroyed. Its texts are 8-bit, Chinese in GBK.
class SettingsFile
{
public:
    static inline const QString FileName = QStringLiteral("qv3307.ini");

    explicit SettingsFile(const QString& programFolder);
    // A store already read (the fuzz target hands one over without touching the disk).
    explicit SettingsFile(IniFile ini) : m_ini(std::move(ini)) {}

    QString path() const { return m_ini.path(); }
    // The file's bytes as the store holds them.
    QByteArray toBytes() const { return m_ini.toBytes(); }

    // A missing key, or a value that is not a decimal or "0x" hexadecimal integer, reads
    // as the default.
    int readInteger(const QString& section, const QString& key, int fallback) const;
    QString readText(const QString& section, const QString& key, const QString& fallback) const;
    bool writeInteger(const QString& section, const QString& key, int value);
    bool writeText(const QString& section, const QString& key, const QString& value);
    // Removes the key; false when the file could not be written.
    bool remove(const QString& section, const QString& key);

    static std::optional<int> parseInteger(const QString& text);

private:
    IniFile m_ini;
};

// What the settings file keeps, as a plain value: read once at start-up, written once at
// exit, in the file's defined key order.
struct StoredChoices
{
    int port = 1;         // "com"
    int skin = 0;         // "skintnow"
    int selectedBand = 0; // "listnow"
    QStringList bands;    // "combo0" to "comboN"; "listcount" is its size minus one

    // A hand-edited listcount is not trusted beyond this many entries, so a huge number
    // cannot stall the start-up or exhaust memory.
    static constexpr int MaxBands = 1000;

    static StoredChoices read(const SettingsFile& file);

    // The skin to show: a stored skin outside the list keeps the first one.
    int skinIndex(int skinCount) const;
    // The band to select: a stored selection outside the list falls back to the first
    // band, so that typed frequencies always have a band to be checked against (-1 for an
    // empty list).
    int bandIndex() const;
    // Returns false when the file could not be written.
    bool write(SettingsFile& file) const;
};

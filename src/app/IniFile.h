#pragma once

#include <QList>
#include <QString>

#include <optional>

// A small INI store: "[section]" lines open sections, "key=value" lines follow. Section
// and key names match without regard to letter case; every other line, and the order of
// everything, is kept. Each write goes to disk at once (write-through), replacing the
// file atomically so that a failed write never leaves half a file behind.
class IniFile
{
public:
    explicit IniFile(QString path);

    const QString& path() const { return m_path; }

    // Reads the file if it exists; a missing file is an empty store.
    void load();
    // Parses INI text, replacing what the store held.
    void parse(const QString& text);

    std::optional<QString> value(const QString& section, const QString& key) const;
    // Sets the value, appending the key to its section (and the section to the file) when
    // new, then saves. Returns false when the file could not be written.
    bool setValue(const QString& section, const QString& key, const QString& value);

    QString toText() const;

private:
    struct Line
    {
        QString key; // empty for blank lines and comments, which are kept as they stand
        QString text;
    };
    struct Section
    {
        QString name;
        QString header; // the line as it stood, or "[name]" for a new section
        QList<Line> lines;
    };

    qsizetype sectionIndex(const QString& name) const; // -1 when missing
    bool save() const;

    QString m_path;
    QList<Line> m_preamble; // lines before the first section
    QList<Section> m_sections;
};

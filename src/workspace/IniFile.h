#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

#include <optional>

// A small INI store: "[section]" lines open sections, "key=value" lines follow. Section
// and key names match without regard to letter case. The file is 8-bit text (Chinese in
// GBK), so the store keeps bytes: every line it does not change is written back exactly
// as it was read, its line end included (CR LF, LF or a bare CR), and so are comments,
// blank lines and lines it does not understand. New lines take the file's own line end.
//
// Each write goes to disk at once (write-through), replacing the file as one step where
// its folder allows, and writing it in place where only the file itself may be written.
// A store made without a path lives in memory alone and writes nothing.
//
// Lookups go through an index of the sections and their keys, built on first use, so that
// a hand-edited file with a thousand keys costs no more per key than a small one.
class IniFile
{
public:
    IniFile() = default;
    explicit IniFile(QString path);

    const QString& path() const { return m_path; }

    // Reads the file if it exists; a missing file is an empty store. A file that exists
    // but cannot be read, or is far larger than a settings file, is an empty store that is
    // never written, so that what it holds is not lost.
    void load();
    // Parses the bytes of an INI file, replacing what the store held.
    void parse(const QByteArray& bytes);

    // The value's bytes, without the blanks around them.
    std::optional<QByteArray> value(const QByteArray& section, const QByteArray& key) const;
    // Sets the value, appending the key to its section (and the section to the file) when
    // new, then saves. Only the value's bytes of the key's line change; setting the value
    // the line already holds changes nothing. Returns false when the file could not be
    // written.
    bool setValue(const QByteArray& section, const QByteArray& key, const QByteArray& value);
    // Removes the key's line, then saves; a key that is not there changes nothing. Returns
    // false when the file could not be written.
    bool removeKey(const QByteArray& section, const QByteArray& key);

    QByteArray toBytes() const;

private:
    struct Line
    {
        QByteArray text; // without its line end
        QByteArray end;  // empty only for a last line that has none
    };
    struct Span
    {
        qsizetype begin; // the first line after the section's header
        qsizetype end;   // the next section's header, or the end of the file
    };
    // A section header and the first line of each key in the lines after it. Key lines
    // count from their header, so a line inserted into a section moves only the headers
    // of the sections after it.
    struct Section
    {
        qsizetype header;
        QHash<QByteArray, qsizetype> keyOffsets; // by the key in lower case
    };
    struct Index
    {
        QList<Section> sections;                 // in file order
        QHash<QByteArray, qsizetype> firstNamed; // by the name in lower case
    };
    struct Found
    {
        qsizetype section = -1; // within the index; -1 when the file has no such section
        qsizetype line = -1;    // the key's line; -1 when the section lacks the key
    };

    Index& index() const;
    void indexHeader(Index& index, qsizetype line) const;
    void indexKey(Section& section, qsizetype line) const;
    Found find(const QByteArray& section, const QByteArray& key) const;
    Span body(qsizetype section) const;
    bool save();

    QString m_path;
    QList<Line> m_lines;
    QByteArray m_newLineEnd = QByteArrayLiteral("\n");
    // Built from the lines on first use and kept in step with every write; empty when a
    // write may have changed how a line reads, so that the next lookup builds it afresh.
    mutable std::optional<Index> m_index;
    std::optional<QByteArray> m_onDisk; // what the file holds, as far as the store knows
    bool m_linesOnDisk = false;         // the lines are what m_onDisk holds
    bool m_mayWrite = true;
};

#pragma once

#include <QByteArray>
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

    std::optional<Span> sectionBody(const QByteArray& section) const;
    // The line of `key` within `body`, or -1.
    qsizetype keyLine(const Span& body, const QByteArray& key) const;
    bool save();

    QString m_path;
    QList<Line> m_lines;
    QByteArray m_newLineEnd = "\n";
    std::optional<QByteArray> m_onDisk; // what the file holds, as far as the store knows
    bool m_mayWrite = true;
};

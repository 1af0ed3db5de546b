#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

#include <optional>

// A language's numbered strings. On disk it is UTF-8 text, one string a line written as
// the number, "=" and the text ("25=信道"); a line ends at CR LF, LF or CR. The text is
// taken exactly as it stands, leading spaces included. Every other line (comments, blank
// lines, a number that is not all digits, a text that is not UTF-8) is skipped, and a
// later line for the same number wins.
class LanguageTable
{
public:
    static constexpr int MaxLength = 253;

    static LanguageTable parse(const QByteArray& bytes);
    // Empty when the file is missing or cannot be read.
    static std::optional<LanguageTable> load(const QString& path);

    // This table, with every string it lacks taken from `fallback`.
    LanguageTable completedFrom(const LanguageTable& fallback) const;

    // String `number`, at most MaxLength characters; empty when the table lacks it.
    QString string(int number) const { return m_strings.value(number); }
    bool contains(int number) const { return m_strings.contains(number); }

private:
    QHash<int, QString> m_strings;
};

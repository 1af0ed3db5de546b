#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>

// A language's numbered strings. On disk it is UTF-8 text, one string a line written as
// the number, "=" and the text ("25=信道"); a line ends at CR LF, LF or CR. The text is
// taken exactly as it stands, leading spaces included. Every other line (comments, blank
// lines, a number that is not all digits or is NumberLimit or more, a text that is not
// UTF-8) is skipped, and a later line for the same number wins.
class LanguageTable
{
public:
    static constexpr int MaxLength = 253;
    // The program uses strings 1 to 72; the numbers below this are kept.
    static constexpr int NumberLimit = 100;

    static LanguageTable parse(const QByteArray& bytes);
    // Empty when the file is missing or cannot be read.
    static std::optional<LanguageTable> load(const QString& path);

    // This table, with every string it lacks taken from `fallback`.
    LanguageTable completedFrom(const LanguageTable& fallback) const;

    // String `number`, at most MaxLength characters; empty when the table lacks it.
    QString string(int number) const { return contains(number) ? *m_strings[number] : QString(); }
    bool contains(int number) const
    {
        return number >= 0 && number < NumberLimit && m_strings[number].has_value();
    }

private:
    std::array<std::optional<QString>, NumberLimit> m_strings;
};

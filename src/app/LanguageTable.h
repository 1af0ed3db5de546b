#pragma once

#include <QHash>
#include <QString>

#include <optional>

class QIODevice;

// A language's numbered strings. On disk it is UTF-8 text, one string a line written as
// the number, "=" and the text ("25=信道"); every other line (comments, blank lines) is
// skipped. The text is taken exactly as it stands, leading spaces included.
class LanguageTable
{
public:
    static constexpr int MaxLength = 253;

    static LanguageTable parse(QIODevice* device);
    // Empty when the file is missing or cannot be read.
    static std::optional<LanguageTable> load(const QString& path);

    // String `number`, at most MaxLength characters; empty when the table lacks it.
    QString string(int number) const { return m_strings.value(number); }
    bool contains(int number) const { return m_strings.contains(number); }

private:
    QHash<int, QString> m_strings;
};

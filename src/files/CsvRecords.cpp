#include "files/CsvRecords.h"

namespace {

constexpr QChar Quote = u'"';
constexpr QChar CarriageReturn = u'\r';
constexpr QChar LineFeed = u'\n';

bool isLineBreak(QChar character)
{
    return character == CarriageReturn || character == LineFeed;
}

// Walks the text once, character by character.
class Splitter
{
public:
    Splitter(QStringView text, QChar separator) : m_text(text), m_separator(separator) {}

    CsvRecords::Split split()
    {
        while (m_at < m_text.size()) {
            const QChar character = m_text[m_at];
            if (character == Quote && m_field.isEmpty() && !m_fieldQuoted) {
                if (!readQuoted())
                    skipUnclosedQuote();
            } else if (character == m_separator) {
                endField();
                ++m_at;
            } else if (isLineBreak(character)) {
                endRecord();
                skipLineBreak();
            } else {
                m_field += character;
                ++m_at;
            }
        }
        // A last line without its line end still is a record; a text that ends with a line
        // end has no record after it.
        if (!m_fields.isEmpty() || !m_field.isEmpty() || m_fieldQuoted)
            endRecord();
        return m_split;
    }

private:
    // From the opening quote to the closing one; false when the text ends first.
    bool readQuoted()
    {
        const int openedOnRow = m_row;
        m_quoteOpenedAt = m_at;
        m_fieldQuoted = true;
        ++m_at;
        while (m_at < m_text.size()) {
            const QChar character = m_text[m_at];
            if (character == Quote) {
                if (m_at + 1 < m_text.size() && m_text[m_at + 1] == Quote) {
                    m_field += Quote;
                    m_at += 2;
                    continue;
                }
                ++m_at;
                return true;
            }
            if (isLineBreak(character)) {
                // A line break inside quotes belongs to the field, as the file wrote it,
                // but still starts a new row.
                const bool crlf = character == CarriageReturn && m_at + 1 < m_text.size() &&
                                  m_text[m_at + 1] == LineFeed;
                m_field += m_text.mid(m_at, crlf ? 2 : 1);
                m_at += crlf ? 2 : 1;
                ++m_row;
                continue;
            }
            m_field += character;
            ++m_at;
        }
        if (!m_split.unclosedQuoteRow)
            m_split.unclosedQuoteRow = openedOnRow;
        m_quoteOpenedOnRow = openedOnRow;
        return false;
    }

    // A quote that is never closed would swallow the rest of the text: its record is marked
    // as such and reading goes on after the line the quote opened on, so that the lines
    // below it are still read.
    void skipUnclosedQuote()
    {
        m_split.records.append({m_recordRow, {}, true});
        m_fields.clear();
        m_field.clear();
        m_fieldQuoted = false;
        m_row = m_quoteOpenedOnRow;
        m_at = m_quoteOpenedAt;
        while (m_at < m_text.size() && !isLineBreak(m_text[m_at]))
            ++m_at;
        if (m_at < m_text.size())
            skipLineBreak();
    }

    void skipLineBreak()
    {
        const bool crlf = m_text[m_at] == CarriageReturn && m_at + 1 < m_text.size() &&
                          m_text[m_at + 1] == LineFeed;
        m_at += crlf ? 2 : 1;
        m_recordRow = ++m_row;
    }

    void endField()
    {
        m_fields << m_field;
        m_field.clear();
        m_fieldQuoted = false;
    }

    void endRecord()
    {
        endField();
        m_split.records.append({m_recordRow, m_fields});
        m_fields.clear();
    }

    QStringView m_text;
    QChar m_separator;
    qsizetype m_at = 0;
    qsizetype m_quoteOpenedAt = 0;
    int m_quoteOpenedOnRow = 1;
    int m_row = 1;
    int m_recordRow = 1;
    QString m_field;
    bool m_fieldQuoted = false;
    QStringList m_fields;
    CsvRecords::Split m_split;
};

QString quotedWhereNeeded(const QString& field, QChar separator)
{
    const bool needsQuotes = field.contains(separator) || field.contains(Quote) ||
                             field.contains(CarriageReturn) || field.contains(LineFeed);
    if (!needsQuotes)
        return field;
    QString quoted = field;
    quoted.replace(Quote, QStringLiteral("\"\""));
    return Quote + quoted + Quote;
}

} // namespace

namespace CsvRecords {

Split split(QStringView text, QChar separator)
{
    return Splitter(text, separator).split();
}

QString join(const QStringList& fields, QChar separator)
{
    QStringList written;
    written.reserve(fields.size());
    for (const QString& field : fields)
        written << quotedWhereNeeded(field, separator);
    return written.join(separator);
}

} // namespace CsvRecords

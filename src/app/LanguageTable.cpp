#include "app/LanguageTable.h"

#include <QByteArrayView>
#include <QFile>
#include <QStringDecoder>

namespace {

// A real table is a few kilobytes; a huge file is not read beyond this.
constexpr qint64 MaxTableBytes = 1 << 20;

std::optional<int> stringNumber(QByteArrayView digits)
{
    if (digits.isEmpty())
        return std::nullopt;
    for (char digit : digits)
        if (digit < '0' || digit > '9')
            return std::nullopt;
    bool ok = false;
    const int number = digits.toInt(&ok);
    return ok ? std::optional<int>(number) : std::nullopt;
}

QString cut(const QString& text)
{
    if (text.size() <= LanguageTable::MaxLength)
        return text;
    QString kept = text.left(LanguageTable::MaxLength);
    if (kept.back().isHighSurrogate())
        kept.chop(1);
    return kept;
}

// The length of the line at the start of `text`, and of the line end after it.
std::pair<qsizetype, qsizetype> nextLine(QByteArrayView text)
{
    for (qsizetype at = 0; at < text.size(); ++at) {
        if (text[at] == '\n')
            return {at, 1};
        if (text[at] == '\r')
            return {at, at + 1 < text.size() && text[at + 1] == '\n' ? 2 : 1};
    }
    return {text.size(), 0};
}

} // namespace

LanguageTable LanguageTable::parse(const QByteArray& bytes)
{
    QByteArrayView text(bytes);
    if (text.startsWith("\xEF\xBB\xBF"))
        text = text.sliced(3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    LanguageTable table;
    while (!text.isEmpty()) {
        const auto [length, ending] = nextLine(text);
        const QByteArrayView line = text.first(length);
        text = text.sliced(length + ending);

        const qsizetype equals = line.indexOf('=');
        if (equals < 0)
            continue;
        const std::optional<int> number = stringNumber(line.first(equals));
        if (!number)
            continue;
        // A line saved in another encoding would show as replacement characters; skipped,
        // the string comes from wherever a missing one comes from.
        const QString string = utf8.decode(line.sliced(equals + 1));
        if (utf8.hasError()) {
            utf8.resetState();
            continue;
        }
        table.m_strings.insert(*number, cut(string));
    }
    return table;
}

std::optional<LanguageTable> LanguageTable::load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return parse(file.read(MaxTableBytes));
}

LanguageTable LanguageTable::completedFrom(const LanguageTable& fallback) const
{
    LanguageTable completed = fallback;
    for (auto entry = m_strings.cbegin(); entry != m_strings.cend(); ++entry)
        completed.m_strings.insert(entry.key(), entry.value());
    return completed;
}

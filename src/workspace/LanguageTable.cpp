#include "workspace/LanguageTable.h"

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
    return ok && number < LanguageTable::NumberLimit ? std::optional<int>(number) : std::nullopt;
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

// Each line of the text: the pieces between LF and CR characters. A CR LF pair leaves an
// empty piece between its two characters, which is skipped as any empty line is.
template <typename Function> void forEachLine(QByteArrayView text, Function function)
{
    qsizetype start = 0;
    while (start <= text.size()) {
        qsizetype end = text.indexOf('\n', start);
        if (end < 0)
            end = text.size();
        const QByteArrayView lfLine = text.sliced(start, end - start);
        qsizetype lineStart = 0;
        for (qsizetype cr = lfLine.indexOf('\r'); cr >= 0; cr = lfLine.indexOf('\r', lineStart)) {
            function(lfLine.sliced(lineStart, cr - lineStart));
            lineStart = cr + 1;
        }
        function(lfLine.sliced(lineStart));
        start = end + 1;
    }
}

} // namespace

LanguageTable LanguageTable::parse(const QByteArray& bytes)
{
    QByteArrayView text(bytes);
    if (text.startsWith("\xEF\xBB\xBF"))
        text = text.sliced(3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    LanguageTable table;
    forEachLine(text, [&table, &utf8](QByteArrayView line) {
        const qsizetype equals = line.indexOf('=');
        if (equals < 0)
            return;
        const std::optional<int> number = stringNumber(line.first(equals));
        if (!number)
            return;
        // A line saved in another encoding would show as replacement characters; skipped,
        // the string comes from wherever a missing one comes from.
        const QString string = utf8.decode(line.sliced(equals + 1));
        if (utf8.hasError()) {
            utf8.resetState();
            return;
        }
        table.m_strings[*number] = cut(string);
    });
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
    LanguageTable completed = *this;
    for (int number = 0; number < NumberLimit; ++number)
        if (!completed.m_strings[number])
            completed.m_strings[number] = fallback.m_strings[number];
    return completed;
}

#include "app/LanguageTable.h"

#include <QFile>

namespace {

// A real table is a few kilobytes; a huge file is not read beyond this.
constexpr qint64 MaxTableBytes = 1 << 20;

std::optional<int> stringNumber(const QByteArray& digits)
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

} // namespace

LanguageTable LanguageTable::parse(QIODevice* device)
{
    QByteArray bytes = device->read(MaxTableBytes);
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    LanguageTable table;
    for (QByteArray line : bytes.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        const qsizetype equals = line.indexOf('=');
        if (equals < 0)
            continue;
        if (const std::optional<int> number = stringNumber(line.left(equals)))
            table.m_strings.insert(*number, cut(QString::fromUtf8(line.mid(equals + 1))));
    }
    return table;
}

std::optional<LanguageTable> LanguageTable::load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return parse(&file);
}

#include "files/SkippedLinesText.h"

namespace SkippedLinesText {

QString valueExcerpt(const QString& value)
{
    if (value.size() <= QuotedValueLength)
        return value;
    return value.left(QuotedValueLength) + u'…';
}

QString listed(const QString& heading, const QStringList& lines, qsizetype total, Language language)
{
    QStringList shown{heading};
    shown << lines.mid(0, ListedLines);
    const qsizetype more = total - qMin(lines.size(), ListedLines);
    if (more > 0)
        shown << (language == Language::English ? QStringLiteral("and %1 more").arg(more)
                                                : QStringLiteral("另有 %1 行未列出").arg(more));
    return shown.join(u'\n');
}

} // namespace SkippedLinesText

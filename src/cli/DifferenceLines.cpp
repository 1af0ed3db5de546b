#include "cli/DifferenceLines.h"

#include "backups/SafeWriteText.h"

QStringList differenceLines(const QList<ContentsDifference>& differences, const QString& first,
                            const QString& second, Language language)
{
    QStringList lines;
    for (const ContentsDifference& difference : differences) {
        const QString place = SafeWriteText::differencePlace(difference, language);
        const QString firstText =
            SafeWriteText::differenceValue(difference, difference.written, language);
        const QString secondText =
            SafeWriteText::differenceValue(difference, difference.held, language);
        lines << inLanguage(language, QStringLiteral("%1: %2 in %3, %4 in %5"),
                            QStringLiteral("%1：%3 中为 %2，%5 中为 %4"))
                     .arg(place, firstText, first, secondText, second);
    }
    return lines;
}

QStringList differenceLinesWithRadio(const QList<ContentsDifference>& differences,
                                     const QString& file, Language language)
{
    return differenceLines(
        differences, file,
        inLanguage(language, QStringLiteral("the radio"), QStringLiteral("电台")), language);
}

#include "workspace/Language.h"

QString inLanguage(Language language, const QString& english, const QString& chinese)
{
    return language == Language::English ? english : chinese;
}

QString inLanguage(Language language, const char* english, const char* chinese)
{
    return QString::fromUtf8(language == Language::English ? english : chinese);
}

QString quoted(Language language, const QString& text)
{
    return inLanguage(language, QStringLiteral("\"%1\""), QStringLiteral("“%1”")).arg(text);
}

QString counted(Language language, qsizetype count, const char* englishOne, const char* englishMany,
                const char* chinese)
{
    const char* noun = language == Language::Chinese ? chinese
                       : count == 1                  ? englishOne
                                                     : englishMany;
    return QStringLiteral("%1 %2").arg(count).arg(QString::fromUtf8(noun));
}

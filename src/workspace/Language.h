#pragma once

#include <QString>

enum class Language { Chinese, English };

// The lower-case name that selects a language's table file.
inline QString languageName(Language language)
{
    return language == Language::English ? QStringLiteral("english") : QStringLiteral("chinese");
}

// The number a channel file records for the language: 1 Chinese, 2 English.
inline int languageCode(Language language)
{
    return language == Language::English ? 2 : 1;
}

// Every text outside the numbered language tables is written in both languages where it is
// used, English first; this picks the one to show. The `const char*` form takes UTF-8, for
// tables of texts.
QString inLanguage(Language language, const QString& english, const QString& chinese);
QString inLanguage(Language language, const char* english, const char* chinese);

// A text in the language's quotation marks: "x" in English, “x” in Chinese.
QString quoted(Language language, const QString& text);

// A count with its noun: "1 difference", "8 differences", "8 处差异". Chinese has no plural;
// its noun carries the measure word.
QString counted(Language language, qsizetype count, const char* englishOne, const char* englishMany,
                const char* chinese);

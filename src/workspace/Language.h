#pragma once

#include <QString>

enum class Language { Chinese, English };

// The lower-case name that selects a language's table and that the message boxes get.
inline QString languageName(Language language)
{
    return language == Language::English ? QStringLiteral("english") : QStringLiteral("chinese");
}

// The number a channel file records for the language: 1 Chinese, 2 English.
inline int languageCode(Language language)
{
    return language == Language::English ? 2 : 1;
}

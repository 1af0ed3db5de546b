#pragma once

#include "workspace/Language.h"

#include <QString>

// The command line speaks the language it was asked to, like the window; each of its own
// texts is given in both languages where it is used.
inline QString wording(Language language, const QString& english, const QString& chinese)
{
    return language == Language::English ? english : chinese;
}

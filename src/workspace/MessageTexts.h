#pragma once

#include "workspace/Language.h"

#include <QString>

// The texts of the numbered message boxes, in both languages. The program passes numbers;
// this table is the only place that holds the words.
namespace MessageTexts {
// Title or message text by number; an unknown number gives an empty text.
QString text(Language language, int id);
QString yesButton(Language language);
QString noButton(Language language);
QString okButton(Language language);
} // namespace MessageTexts

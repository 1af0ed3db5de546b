#pragma once

#include <QString>

// The texts of the numbered message boxes, in both languages. The program passes numbers;
// this table is the only place that holds the words.
namespace MessageTexts {
// Title or message text by number for "chinese" or "english" (anything else: English).
// An unknown number gives an empty text.
QString text(const QString& language, int id);
QString yesButton(const QString& language);
QString noButton(const QString& language);
QString okButton(const QString& language);
} // namespace MessageTexts

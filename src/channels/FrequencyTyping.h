#pragma once

#include <QChar>
#include <QString>

// The character filter of the frequency editor. A frequency is typed as digits and one
// decimal separator, the locale's, after at least three characters; the editor takes at
// most MaxLength characters by typing, though it shows a longer text whole.
namespace FrequencyTyping {

constexpr int MaxLength = 9;

// Whether `character` may join an editor that holds `text`. The separator test looks at the
// whole text, not at where the caret is; a text holding the other separator (a frequency
// read from the radio) already has its one.
bool accepts(QChar character, const QString& text);

struct Edit
{
    QString text;
    int caret = 0;
};

// The user's change of the editor's text from `before` to `after`, the caret standing at
// `caret` after it, with every character it brought in run through the filter as if typed
// one after another: what the filter refuses, and what would make the text longer than
// MaxLength, is left out. Text that was there before is never touched.
Edit filterEdit(const QString& before, const QString& after, int caret);

} // namespace FrequencyTyping

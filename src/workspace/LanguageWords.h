#pragma once

#include "workspace/CellWords.h"
#include "workspace/Language.h"
#include "workspace/LanguageTable.h"

#include <QString>

// The four cell words a language uses, and how cell texts are read against them.
namespace LanguageWords {

// The cell words of `table`, a table of `language`. The radio's flag bits are set by
// comparing cells with these words, so each pair must tell its two values apart: a pair
// with an empty word, a word with spaces around it or two equal words is taken from the
// built-in table of the language instead.
CellWords of(const LanguageTable& table, Language language);

// Whether the text is one of the column's two words (for a tone column: the off word).
bool isColumnWord(int column, const QString& text, const CellWords& words);

// The cell's text in `words` when it holds a word of either built-in language that the
// column takes (an off word in a tone column; high or low in the power column; off or on
// in an option column), compared exactly; any other text as it stands.
QString reworded(int column, const QString& text, const CellWords& words);

} // namespace LanguageWords

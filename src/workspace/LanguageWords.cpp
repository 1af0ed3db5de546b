#include "workspace/LanguageWords.h"

#include "workspace/BuiltInLanguages.h"
#include "workspace/ChannelColumn.h"
#include "workspace/LanguageStrings.h"

namespace {

bool usable(const QString& word)
{
    return !word.isEmpty() && word.trimmed() == word;
}

// Each word of the table, or the fallback's where the table's cannot be used; both of
// the fallback's where the two would be equal.
std::pair<QString, QString> pair(const QString& first, const QString& second,
                                 const QString& fallbackFirst, const QString& fallbackSecond)
{
    const QString chosenFirst = usable(first) ? first : fallbackFirst;
    const QString chosenSecond = usable(second) ? second : fallbackSecond;
    if (chosenFirst == chosenSecond)
        return {fallbackFirst, fallbackSecond};
    return {chosenFirst, chosenSecond};
}

bool isBuiltInWord(const QString& text, QString CellWords::*word)
{
    return text == BuiltInLanguages::words(Language::Chinese).*word ||
           text == BuiltInLanguages::words(Language::English).*word;
}

} // namespace

bool LanguageWords::isColumnWord(int column, const QString& text, const CellWords& words)
{
    if (Column::isTone(column))
        return text == words.offWord;
    if (column == Column::Power)
        return text == words.highWord || text == words.lowWord;
    if (column >= Column::Wideband && column <= Column::Scramble)
        return text == words.offWord || text == words.onWord;
    return false;
}

CellWords LanguageWords::of(const LanguageTable& table, Language language)
{
    const CellWords fallback = BuiltInLanguages::words(language);
    const auto [off, on] =
        pair(table.string(LanguageString::OffWord), table.string(LanguageString::OnWord),
             fallback.offWord, fallback.onWord);
    const auto [high, low] =
        pair(table.string(LanguageString::HighWord), table.string(LanguageString::LowWord),
             fallback.highWord, fallback.lowWord);
    return {off, on, high, low};
}

QString LanguageWords::reworded(int column, const QString& text, const CellWords& words)
{
    // A cell that already holds one of the column's words keeps it, whatever a built-in
    // table would make of the same text.
    if (isColumnWord(column, text, words))
        return text;
    // Never into an empty word: that would wipe the channel's value.
    auto replace = [&text](QString CellWords::*kind,
                           const QString& word) -> std::optional<QString> {
        if (word.isEmpty() || !isBuiltInWord(text, kind))
            return std::nullopt;
        return word;
    };
    std::optional<QString> word;
    if (Column::isTone(column)) {
        word = replace(&CellWords::offWord, words.offWord);
    } else if (column == Column::Power) {
        word = replace(&CellWords::highWord, words.highWord);
        if (!word)
            word = replace(&CellWords::lowWord, words.lowWord);
    } else if (column >= Column::Wideband && column <= Column::Scramble) {
        word = replace(&CellWords::offWord, words.offWord);
        if (!word)
            word = replace(&CellWords::onWord, words.onWord);
    }
    return word.value_or(text);
}

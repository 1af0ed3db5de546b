#include "channels/FrequencyTyping.h"

#include "channels/FrequencyNormaliser.h"

#include <algorithm>

namespace {

// The separator may follow three characters at the earliest.
constexpr int DigitsBeforeSeparator = 3;

bool isDigit(QChar character)
{
    return character >= QLatin1Char('0') && character <= QLatin1Char('9');
}

bool holdsSeparator(const QString& text)
{
    return text.contains(QLatin1Char('.')) || text.contains(QLatin1Char(','));
}

qsizetype commonPrefix(const QString& one, const QString& other, qsizetype limit)
{
    qsizetype length = 0;
    while (length < limit && one[length] == other[length])
        ++length;
    return length;
}

qsizetype commonSuffix(const QString& one, const QString& other, qsizetype limit)
{
    qsizetype length = 0;
    while (length < limit && one[one.size() - 1 - length] == other[other.size() - 1 - length])
        ++length;
    return length;
}

} // namespace

bool FrequencyTyping::accepts(QChar character, const QString& text)
{
    if (isDigit(character))
        return true;
    return character == FrequencyNormaliser::separator() && text.size() >= DigitsBeforeSeparator &&
           !holdsSeparator(text);
}

FrequencyTyping::Edit FrequencyTyping::filterEdit(const QString& before, const QString& after,
                                                  int caret)
{
    // Text comes in just before the caret, so what follows the caret was there before. An
    // edit that does not fit that (an undo, say) is read as one change between the longest
    // common start and end.
    const QString afterCaret = after.mid(caret);
    qsizetype suffix = 0;
    if (caret >= 0 && caret <= after.size() && before.endsWith(afterCaret)) {
        suffix = afterCaret.size();
    } else {
        caret = int(after.size());
        suffix = commonSuffix(before, after, qMin(before.size(), after.size()));
    }
    const qsizetype prefix = commonPrefix(
        before, after, std::min({before.size() - suffix, after.size() - suffix, qsizetype(caret)}));

    const QString incoming = after.mid(prefix, after.size() - suffix - prefix);
    const QString start = after.left(prefix);
    const QString end = after.right(suffix);
    QString kept;
    for (const QChar character : incoming) {
        const QString text = start + kept + end;
        if (text.size() < MaxLength && accepts(character, text))
            kept += character;
    }
    return {start + kept + end, int(prefix + kept.size())};
}

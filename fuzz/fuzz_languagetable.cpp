// A language table of any content, completed from the built-in table as the program does.
#include "workspace/BuiltInLanguages.h"
#include "workspace/LanguageTable.h"
#include "workspace/LanguageWords.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const LanguageTable table =
        LanguageTable::parse(bytes).completedFrom(BuiltInLanguages::table(Language::English));
    for (int number = 0; number <= 80; ++number) {
        if (table.string(number).size() > LanguageTable::MaxLength)
            __builtin_trap();
    }
    // Whatever the table holds, the words tell each pair's values apart.
    const CellWords words = LanguageWords::of(table, Language::English);
    if (words.offWord.isEmpty() || words.onWord.isEmpty() || words.offWord == words.onWord ||
        words.highWord.isEmpty() || words.lowWord.isEmpty() || words.highWord == words.lowWord)
        __builtin_trap();
    return 0;
}

// A language table of any content.
#include "app/LanguageTable.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QBuffer file(&bytes);
    file.open(QIODevice::ReadOnly);
    const LanguageTable table = LanguageTable::parse(&file);
    for (int number = 0; number <= 80; ++number) {
        if (table.string(number).size() > LanguageTable::MaxLength)
            __builtin_trap();
    }
    return 0;
}

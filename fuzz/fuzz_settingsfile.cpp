// A settings file of any content, read into the store: every byte comes back as it was,
// whatever the lines hold.
#include "workspace/IniFile.h"
#include "workspace/SettingsFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));

    // A store without a path: the run stays in memory.
    IniFile ini;
    ini.parse(bytes);
    if (ini.toBytes() != bytes)
        __builtin_trap();

    SettingsFile::parseInteger(QString::fromLatin1(bytes));
    return 0;
}

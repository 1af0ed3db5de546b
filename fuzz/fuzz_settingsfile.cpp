// A settings file of any content: the stored choices read from it and written back.
#include "workspace/IniFile.h"
#include "workspace/SettingsFile.h"

#include <cstddef>
#include <cstdint>

namespace {

StoredChoices readChoices(const QByteArray& bytes)
{
    IniFile ini;
    ini.parse(bytes);
    return StoredChoices::read(SettingsFile(std::move(ini)));
}

bool operator==(const StoredChoices& a, const StoredChoices& b)
{
    return a.port == b.port && a.skin == b.skin && a.selectedBand == b.selectedBand &&
           a.bands == b.bands;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));

    // A store without a path: the run stays in memory.
    IniFile ini;
    ini.parse(bytes);
    // Lines the program does not change come back byte for byte.
    if (ini.toBytes() != bytes)
        __builtin_trap();

    // The choices read, written back into the same file, read back the same.
    SettingsFile file(std::move(ini));
    const StoredChoices choices = StoredChoices::read(file);
    choices.write(file);
    if (!(readChoices(file.toBytes()) == choices))
        __builtin_trap();

    SettingsFile::parseInteger(QString::fromLatin1(bytes));
    return 0;
}

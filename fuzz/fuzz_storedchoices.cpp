// The choices remembered in a settings file of any content (port, skin, bands and the
// selected band), read as the program reads them at start-up, written back into the same
// file as it writes them at exit, and read again from the bytes written: every choice
// comes back the same.
#include "workspace/IniFile.h"
#include "workspace/SettingsFile.h"

#include <cstddef>
#include <cstdint>

namespace {

SettingsFile parsed(const QByteArray& bytes)
{
    IniFile ini; // without a path: the run stays in memory
    ini.parse(bytes);
    return SettingsFile(std::move(ini));
}

bool operator==(const StoredChoices& a, const StoredChoices& b)
{
    return a.port == b.port && a.skin == b.skin && a.selectedBand == b.selectedBand &&
           a.bands == b.bands;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));

    SettingsFile file = parsed(bytes);
    const StoredChoices choices = StoredChoices::read(file);
    if (!choices.write(file))
        __builtin_trap();
    if (!(StoredChoices::read(parsed(file.toBytes())) == choices))
        __builtin_trap();
    return 0;
}

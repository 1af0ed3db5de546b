// A settings file of any content: the stored choices read from it and written back.
#include "app/IniFile.h"
#include "app/SettingsFile.h"

#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir folder;
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));

    IniFile ini(folder.filePath(QStringLiteral("qv3307.ini")));
    ini.parse(text);
    const SettingsFile file(std::move(ini));
    const StoredChoices choices = StoredChoices::read(file);

    IniFile again(folder.filePath(QStringLiteral("unused.ini")));
    again.parse(text);
    again.parse(again.toText());
    SettingsFile::parseInteger(text);
    (void)choices;
    return 0;
}

#include "app/SettingsFile.h"

#include "channels/BandList.h"

#include <QDir>

#include <algorithm>
#include <limits>

namespace Key {
const QString Open = QStringLiteral("open");
const QString Com = QStringLiteral("com");
const QString Skin = QStringLiteral("skin1");
const QString SkinNow = QStringLiteral("skintnow");
const QString List = QStringLiteral("list1");
const QString ListNow = QStringLiteral("listnow");
const QString ListCount = QStringLiteral("listcount");

QString band(int number)
{
    return QStringLiteral("combo%1").arg(number);
}
} // namespace Key

SettingsFile::SettingsFile(const QString& programFolder)
    : m_ini(QDir(programFolder).filePath(FileName))
{
    m_ini.load();
}

std::optional<int> SettingsFile::parseInteger(const QString& text)
{
    QString digits = text.trimmed();
    bool negative = false;
    if (digits.startsWith(QLatin1Char('-')) || digits.startsWith(QLatin1Char('+'))) {
        negative = digits.startsWith(QLatin1Char('-'));
        digits.remove(0, 1);
    }
    int base = 10;
    if (digits.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        base = 16;
        digits.remove(0, 2);
    }
    if (digits.isEmpty() || !digits.front().isLetterOrNumber())
        return std::nullopt;
    bool ok = false;
    const qlonglong magnitude = digits.toLongLong(&ok, base);
    const qlonglong value = negative ? -magnitude : magnitude;
    if (!ok || value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return std::nullopt;
    return int(value);
}

int SettingsFile::readInteger(const QString& section, const QString& key, int fallback) const
{
    const std::optional<QString> text = m_ini.value(section, key);
    if (!text)
        return fallback;
    return parseInteger(*text).value_or(fallback);
}

QString SettingsFile::readText(const QString& section, const QString& key,
                               const QString& fallback) const
{
    return m_ini.value(section, key).value_or(fallback);
}

bool SettingsFile::writeInteger(const QString& section, const QString& key, int value)
{
    return m_ini.setValue(section, key, QString::number(value));
}

bool SettingsFile::writeText(const QString& section, const QString& key, const QString& value)
{
    return m_ini.setValue(section, key, value);
}

StoredChoices StoredChoices::read(const SettingsFile& file)
{
    StoredChoices choices;
    choices.com = file.readInteger(Key::Open, Key::Com, 1);
    choices.skin = file.readInteger(Key::Skin, Key::SkinNow, 0);
    // A listcount of n stands for the keys combo0 to comboN; a key that is missing still
    // gives the default band, and a negative count gives an empty list.
    const int last = std::min(file.readInteger(Key::List, Key::ListCount, 0), MaxBands - 1);
    for (int number = 0; number <= last; ++number)
        choices.bands << file.readText(Key::List, Key::band(number), BandList::DefaultBand);
    choices.listnow = file.readInteger(Key::List, Key::ListNow, 0);
    return choices;
}

int StoredChoices::skinIndex(int skinCount) const
{
    return skin >= 0 && skin < skinCount ? skin : 0;
}

int StoredChoices::bandIndex() const
{
    if (bands.isEmpty())
        return -1;
    return listnow >= 0 && listnow < bands.size() ? listnow : 0;
}

bool StoredChoices::write(SettingsFile& file) const
{
    bool ok = file.writeInteger(Key::Open, Key::Com, com);
    ok = file.writeInteger(Key::Skin, Key::SkinNow, skin) && ok;
    ok = file.writeInteger(Key::List, Key::ListNow, listnow) && ok;
    ok = file.writeInteger(Key::List, Key::ListCount, int(bands.size()) - 1) && ok;
    for (int number = 0; number < bands.size(); ++number)
        ok = file.writeText(Key::List, Key::band(number), bands[number]) && ok;
    return ok;
}

#include "workspace/SettingsFile.h"

#include "workspace/BandList.h"
#include "workspace/Gbk.h"

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
    const std::optional<QByteArray> text = m_ini.value(section.toLatin1(), key.toLatin1());
    if (!text)
        return fallback;
    return parseInteger(QString::fromLatin1(*text)).value_or(fallback);
}

QString SettingsFile::readText(const QString& section, const QString& key,
                               const QString& fallback) const
{
    const std::optional<QByteArray> text = m_ini.value(section.toLatin1(), key.toLatin1());
    return text ? Gbk::decode(*text) : fallback;
}

// A value that reads as the one being written keeps its bytes ("0x4" stays for port 4, a
// text GBK cannot hold exactly stays as it was), so the line comes back unchanged.
bool SettingsFile::writeInteger(const QString& section, const QString& key, int value)
{
    const std::optional<QByteArray> stored = m_ini.value(section.toLatin1(), key.toLatin1());
    const bool same = stored && parseInteger(QString::fromLatin1(*stored)) == value;
    return m_ini.setValue(section.toLatin1(), key.toLatin1(),
                          same ? *stored : QByteArray::number(value));
}

bool SettingsFile::writeText(const QString& section, const QString& key, const QString& value)
{
    const std::optional<QByteArray> stored = m_ini.value(section.toLatin1(), key.toLatin1());
    const bool same = stored && Gbk::decode(*stored) == value;
    return m_ini.setValue(section.toLatin1(), key.toLatin1(), same ? *stored : Gbk::encode(value));
}

bool SettingsFile::remove(const QString& section, const QString& key)
{
    return m_ini.removeKey(section.toLatin1(), key.toLatin1());
}

StoredChoices StoredChoices::read(const SettingsFile& file)
{
    StoredChoices choices;
    choices.port = file.readInteger(Key::Open, Key::Com, 1);
    choices.skin = file.readInteger(Key::Skin, Key::SkinNow, 0);
    // A listcount of n stands for the keys combo0 to comboN; a key that is missing still
    // gives the default band, and a negative count gives an empty list.
    const int last = std::min(file.readInteger(Key::List, Key::ListCount, 0), MaxBands - 1);
    for (int number = 0; number <= last; ++number)
        choices.bands << file.readText(Key::List, Key::band(number), BandList::DefaultBand);
    choices.selectedBand = file.readInteger(Key::List, Key::ListNow, 0);
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
    return selectedBand >= 0 && selectedBand < bands.size() ? selectedBand : 0;
}

bool StoredChoices::write(SettingsFile& file) const
{
    bool ok = file.writeInteger(Key::Open, Key::Com, port);
    ok = file.writeInteger(Key::Skin, Key::SkinNow, skin) && ok;
    ok = file.writeInteger(Key::List, Key::ListNow, selectedBand) && ok;
    ok = file.writeInteger(Key::List, Key::ListCount, int(bands.size()) - 1) && ok;
    for (int number = 0; number < bands.size(); ++number)
        ok = file.writeText(Key::List, Key::band(number), bands[number]) && ok;
    return ok;
}

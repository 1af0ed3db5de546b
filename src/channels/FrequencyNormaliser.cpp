#include "channels/FrequencyNormaliser.h"

#include <QLocale>

#include <algorithm>

namespace {

// Beyond this the value is far outside every range we compare against, so larger numbers
// may saturate here without changing any result.
constexpr qint64 Saturation = qint64(1) << 52;

bool isAsciiDigit(QChar character)
{
    return character >= QLatin1Char('0') && character <= QLatin1Char('9');
}

bool isSeparator(QChar character)
{
    return character == QLatin1Char('.') || character == QLatin1Char(',');
}

} // namespace

QChar FrequencyNormaliser::separator()
{
    return QLocale().decimalPoint() == QLatin1String(",") ? QLatin1Char(',') : QLatin1Char('.');
}

std::optional<qint64> FrequencyNormaliser::readDecimal(const QString& text, int decimals)
{
    const QString trimmed = text.trimmed();
    qsizetype at = 0;
    bool negative = false;
    if (at < trimmed.size() && (trimmed[at] == QLatin1Char('-') || trimmed[at] == QLatin1Char('+')))
        negative = trimmed[at++] == QLatin1Char('-');

    qint64 value = 0;
    int digits = 0;
    int fractionDigits = -1; // -1 until the separator has been read
    for (; at < trimmed.size(); ++at) {
        const QChar character = trimmed[at];
        if (isSeparator(character) && fractionDigits < 0) {
            fractionDigits = 0;
            continue;
        }
        if (!isAsciiDigit(character))
            return std::nullopt;
        ++digits;
        if (fractionDigits >= 0 && fractionDigits++ >= decimals)
            continue; // truncated
        value = std::min(value * 10 + character.digitValue(), Saturation);
    }
    if (digits == 0)
        return std::nullopt;
    for (int missing = decimals - std::max(fractionDigits, 0); missing > 0; --missing)
        value = std::min(value * 10, Saturation);
    return negative ? -value : value;
}

std::optional<qint64> FrequencyNormaliser::toChannelStep(const QString& text)
{
    // Read to 100 Hz, truncating the rest, then count in 10 Hz units.
    const std::optional<qint64> hundredsOfHz = readDecimal(text, 4);
    if (!hundredsOfHz)
        return std::nullopt;
    qint64 units = *hundredsOfHz * 10;
    units = std::clamp(units, Lowest, Highest);
    while (units < Highest && units % Step5kHz != 0 && units % Step6k25Hz != 0)
        units += 5;
    return units;
}

std::optional<qint64> FrequencyNormaliser::toBandLimit(const QString& text)
{
    return readDecimal(text, 5);
}

QString FrequencyNormaliser::toText(qint64 units, QChar separator)
{
    const qint64 magnitude = units < 0 ? -units : units;
    QString text = units < 0 ? QStringLiteral("-") : QString();
    text += QString::number(magnitude / UnitsPerMHz) + separator;
    QString decimals = QStringLiteral("%1").arg(magnitude % UnitsPerMHz, 5, 10, QLatin1Char('0'));
    while (decimals.endsWith(QLatin1Char('0')))
        decimals.chop(1);
    text += decimals;
    if (text.size() < TextLength)
        text += QString(TextLength - text.size(), QLatin1Char('0'));
    return text;
}

#include "link/BandCodec.h"

#include "link/HexText.h"

#include <algorithm>

namespace {
const QString Unit = QStringLiteral("MHz");
const QString Fill = QStringLiteral("FFFFFFFF");
constexpr int BandTextLength = 10;
constexpr int ReplyLengthNeeded = 16;

QStringView at(QStringView text, int position, int count = 1)
{
    return text.mid(position - 1, count);
}

bool hasBandForm(const QString& band)
{
    return band.size() == BandTextLength && band[3] == QLatin1Char('-') && band.endsWith(Unit) &&
           isHexDigits(at(band, 1, 3), 3) && isHexDigits(at(band, 5, 3), 3);
}
} // namespace

QString BandCodec::decode(QStringView reply)
{
    if (reply.size() < ReplyLengthNeeded)
        return NoBand;
    QString band;
    band += at(reply, 11, 2);
    band += at(reply, 9);
    band += QLatin1Char('-');
    band += at(reply, 15, 2);
    band += at(reply, 13);
    band += Unit;
    return band;
}

bool BandCodec::isBand(const QString& band)
{
    const auto decimalDigits = [](QStringView digits) {
        return std::all_of(digits.begin(), digits.end(),
                           [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
    };
    if (band == NoBand)
        return true;
    return band.size() == BandTextLength && band[3] == QLatin1Char('-') && band.endsWith(Unit) &&
           decimalDigits(at(band, 1, 3)) && decimalDigits(at(band, 5, 3));
}

std::optional<QString> BandCodec::encode(const QString& band)
{
    if (!hasBandForm(band))
        return std::nullopt;
    QString data;
    data += at(band, 3);
    data += QLatin1Char('0');
    data += at(band, 1, 2);
    data += at(band, 7);
    data += QLatin1Char('0');
    data += at(band, 5, 2);
    return data.toUpper() + Fill;
}

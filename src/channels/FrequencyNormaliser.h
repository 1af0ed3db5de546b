#pragma once

#include <QChar>
#include <QString>

#include <optional>

// The arithmetic that turns a typed frequency into the radio's channel grid. Frequencies
// are worked in whole units of 10 Hz (400 MHz is 40,000,000 units), read straight from the
// decimal text, so no binary rounding can move a value onto a neighbouring grid step:
// "400.0001" really is above 400 MHz and goes up to 400.005, never down to 400.
class FrequencyNormaliser
{
public:
    static constexpr qint64 UnitsPerMHz = 100000;
    // 5 kHz and 6.25 kHz: a channel sits on a multiple of either.
    static constexpr qint64 Step5kHz = 500;
    static constexpr qint64 Step6k25Hz = 625;
    static constexpr qint64 Lowest = 100 * UnitsPerMHz;
    static constexpr qint64 Highest = 550 * UnitsPerMHz;
    // The highest storable frequency lies this far below the band's upper limit.
    static constexpr qint64 BelowUpperLimit = 500;
    static constexpr int TextLength = 9;

    // The separator the program writes: the locale's decimal point when that is a comma,
    // a point otherwise.
    static QChar separator();

    // A typed frequency clamped to 100-550 MHz, truncated to 100 Hz and moved up to the
    // nearest channel step; nothing when the text does not read as a number.
    static std::optional<qint64> toChannelStep(const QString& text);

    // A band limit in MHz read from its characters of the band text, such as "400".
    static std::optional<qint64> toBandLimit(const QString& text);

    // Characters 1-3 and 5-7 of a band text such as "400-470MHz".
    static QString lowerLimitText(const QString& band) { return band.mid(0, 3); }
    static QString upperLimitText(const QString& band) { return band.mid(4, 3); }

    // The fixed form: up to five decimals without trailing zeros, the separator after a
    // whole number, then padded with "0" to nine characters ("400" -> "400.00000").
    static QString toText(qint64 units, QChar separator);

private:
    // The value of a plain decimal text ("400", "400.012", " 4,5") in units of 10^-decimals,
    // truncated toward zero. Either separator is read, so a frequency decoded from the
    // radio (always ".") still reads under a locale that writes ",".
    static std::optional<qint64> readDecimal(const QString& text, int decimals);
};

#include "link/CalibrationCodec.h"

#include "link/HexText.h"

namespace {
enum ReplyPosition : int {
    LowPowerHigh = 9,
    LowPowerLow = 10,
    HighPowerHigh = 11,
    HighPowerLow = 12,
    LowVoltageDigit = 14,
};
constexpr int ReplyLengthNeeded = LowVoltageDigit;
constexpr int MaxPower = 255;
constexpr int MaxLowVoltage = 2;
constexpr int UnknownLowVoltagePosition = 1;
const QString Fill = QStringLiteral("FFFFFFFFFF");

int digitAt(QStringView reply, int position)
{
    return hexDigitValue(reply[position - 1]);
}

// High and low hex digit of a value 0 to 255.
QString twoDigits(int value)
{
    return QString(hexDigit(value / 16)) + hexDigit(value % 16);
}
} // namespace

std::optional<PowerCalibrationValues> CalibrationCodec::decode(QStringView reply)
{
    const std::optional<CalibrationReading> reading = read(reply);
    if (!reading)
        return std::nullopt;
    return reading->values;
}

std::optional<CalibrationReading> CalibrationCodec::read(QStringView reply)
{
    if (reply.size() < ReplyLengthNeeded ||
        !isHexDigits(reply.left(ReplyLengthNeeded), ReplyLengthNeeded))
        return std::nullopt;
    CalibrationReading reading;
    PowerCalibrationValues& values = reading.values;
    values.lowPower = 16 * digitAt(reply, LowPowerHigh) + digitAt(reply, LowPowerLow);
    values.highPower = 16 * digitAt(reply, HighPowerHigh) + digitAt(reply, HighPowerLow);
    const int lowVoltage = digitAt(reply, LowVoltageDigit);
    values.lowVoltage = lowVoltage <= MaxLowVoltage ? lowVoltage : UnknownLowVoltagePosition;
    const int lowVoltageByte = 16 * digitAt(reply, LowVoltageDigit - 1) + lowVoltage;
    if (lowVoltageByte > MaxLowVoltage)
        reading.unnamedLowVoltage = quint8(lowVoltageByte);
    return reading;
}

std::optional<QString> CalibrationCodec::encode(const PowerCalibrationValues& values)
{
    const auto inRange = [](int value, int max) { return value >= 0 && value <= max; };
    if (!inRange(values.lowPower, MaxPower) || !inRange(values.highPower, MaxPower) ||
        !inRange(values.lowVoltage, MaxLowVoltage))
        return std::nullopt;
    return twoDigits(values.lowPower) + twoDigits(values.highPower) + QLatin1Char('0') +
           QString::number(values.lowVoltage) + Fill;
}

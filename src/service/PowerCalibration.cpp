#include "service/PowerCalibration.h"

#include <algorithm>

namespace {
int clampPower(int value)
{
    return std::clamp(value, 0, PowerCalibration::MaxPower);
}
} // namespace

bool PowerCalibration::acceptsPowerText(QStringView text)
{
    // Only the digits 0 to 9: no sign, no separator, no digits of other scripts.
    return text.size() <= MaxPowerDigits && std::all_of(text.begin(), text.end(), [](QChar c) {
               return c >= QLatin1Char('0') && c <= QLatin1Char('9');
           });
}

int PowerCalibration::clampedPower(QStringView text)
{
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok);
    // An empty box, like any text that is no number, stands for 0.
    return ok ? int(std::clamp<qlonglong>(value, 0, MaxPower)) : 0;
}

void PowerCalibration::setValues(const PowerCalibrationValues& values)
{
    PowerCalibrationValues kept = values;
    kept.lowPower = clampPower(values.lowPower);
    kept.highPower = clampPower(values.highPower);
    if (values.lowVoltage < 0 || values.lowVoltage >= LowVoltagePositions)
        kept.lowVoltage = m_values.lowVoltage;
    if (kept == m_values)
        return;
    m_values = kept;
    emit valuesChanged(m_values);
}

void PowerCalibration::setLowPower(int value)
{
    PowerCalibrationValues values = m_values;
    values.lowPower = value;
    setValues(values);
}

void PowerCalibration::setHighPower(int value)
{
    PowerCalibrationValues values = m_values;
    values.highPower = value;
    setValues(values);
}

void PowerCalibration::setLowVoltage(int position)
{
    PowerCalibrationValues values = m_values;
    values.lowVoltage = position;
    setValues(values);
}

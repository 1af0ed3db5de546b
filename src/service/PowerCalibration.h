#pragma once

#include "link/CalibrationCodec.h"

#include <QObject>
#include <QStringView>

// The transmitter power calibration as the service page shows it: the low and high power
// values and the low voltage position. These are the values of record: no channel file
// and no settings file keeps them, only the radio.
class PowerCalibration : public QObject
{
    Q_OBJECT

public:
    // The radio keeps each power value in one byte.
    static constexpr int MaxPower = 255;
    // What a power box holds while the user types: digits only, at most three of them.
    static constexpr int MaxPowerDigits = 3;
    static constexpr int LowVoltagePositions = 3;

    using QObject::QObject;

    static bool acceptsPowerText(QStringView text);
    // The value a power box's text stands for once the box is left: an empty box counts as
    // 0 and anything above 255 as 255, so that each value fits its byte.
    static int clampedPower(QStringView text);

    const PowerCalibrationValues& values() const { return m_values; }
    void setValues(const PowerCalibrationValues& values);
    // Clamped to 0 to 255.
    void setLowPower(int value);
    void setHighPower(int value);
    // A position outside the list (0 to 2) changes nothing.
    void setLowVoltage(int position);

signals:
    void valuesChanged(const PowerCalibrationValues& values);

private:
    PowerCalibrationValues m_values;
};

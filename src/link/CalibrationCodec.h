#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <optional>

// The transmitter power calibration block at 03C8: byte 0 low power, byte 1 high power
// (each 0 to 255), byte 2 the low voltage position (0 to 2), bytes 3 to 7 fill.
struct PowerCalibrationValues
{
    int lowPower = 79;
    int highPower = 48;
    int lowVoltage = 1;

    friend bool operator==(const PowerCalibrationValues&, const PowerCalibrationValues&) = default;
};

// A calibration as a read found it: the values as the page shows them, and the low voltage
// byte as the radio held it when it is none of the levels 00, 01 and 02, which the
// position shown then only stands for.
struct CalibrationReading
{
    PowerCalibrationValues values;
    std::optional<quint8> unnamedLowVoltage;

    friend bool operator==(const CalibrationReading&, const CalibrationReading&) = default;
};

namespace CalibrationCodec {
// The values in a read reply of the block. Only the low digit of byte 2 counts: 0, 1 or 2
// is the position, any other digit gives 1. Nothing for a reply too short to hold them.
std::optional<PowerCalibrationValues> decode(QStringView reply);
// The same, with the low voltage byte kept when it names no level (05, 12, FF ...).
std::optional<CalibrationReading> read(QStringView reply);
// The block's 16 data digits; nothing when a power is outside 0 to 255 or the low
// voltage position outside 0 to 2, since the radio takes each as one byte.
std::optional<QString> encode(const PowerCalibrationValues& values);
} // namespace CalibrationCodec

#pragma once

#include <QString>
#include <QStringView>

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

namespace CalibrationCodec {
// The values in a read reply of the block. Only the low digit of byte 2 counts: 0, 1 or 2
// is the position, any other digit gives 1. Nothing for a reply too short to hold them.
std::optional<PowerCalibrationValues> decode(QStringView reply);
// The block's 16 data digits; nothing when a power is outside 0 to 255 or the low
// voltage position outside 0 to 2, since the radio takes each as one byte.
std::optional<QString> encode(const PowerCalibrationValues& values);
} // namespace CalibrationCodec

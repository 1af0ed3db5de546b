#pragma once

#include "link/CalibrationCodec.h"
#include "workspace/Language.h"

#include <QString>

// What the user reads about a calibration read, beyond the numbered captions.
namespace CalibrationText {
// The low voltage as the command line prints it: the position, and the radio's byte when it
// named no level ("1 (byte 05)").
QString lowVoltage(const CalibrationReading& reading, Language language);
// The warning for a low voltage byte that names no level; empty when it named one.
QString unnamedLowVoltageWarning(const CalibrationReading& reading, Language language);
} // namespace CalibrationText

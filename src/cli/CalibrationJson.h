#pragma once

#include "link/CalibrationCodec.h"
#include "workspace/Language.h"

#include <QJsonObject>

// What `calibration read --json` prints: {"lowPower": 79, "highPower": 48, "lowVoltage": 1};
// for a low voltage byte that names no level, also the byte the radio held
// ("lowVoltageByte": 5) and the warning standard error gives about it.
QJsonObject calibrationJson(const CalibrationReading& reading, Language language);

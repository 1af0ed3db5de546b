#include "cli/CalibrationJson.h"

#include "service/CalibrationText.h"

QJsonObject calibrationJson(const CalibrationReading& reading, Language language)
{
    const PowerCalibrationValues& values = reading.values;
    QJsonObject object{{QStringLiteral("lowPower"), values.lowPower},
                       {QStringLiteral("highPower"), values.highPower},
                       {QStringLiteral("lowVoltage"), values.lowVoltage}};
    if (reading.unnamedLowVoltage) {
        object.insert(QStringLiteral("lowVoltageByte"), int(*reading.unnamedLowVoltage));
        object.insert(QStringLiteral("warning"),
                      CalibrationText::unnamedLowVoltageWarning(reading, language));
    }
    return object;
}

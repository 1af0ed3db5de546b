#include "service/CalibrationText.h"

namespace {
QString byteText(quint8 byte)
{
    return QStringLiteral("%1").arg(byte, 2, 16, QLatin1Char('0')).toUpper();
}
} // namespace

QString CalibrationText::lowVoltage(const CalibrationReading& reading, Language language)
{
    const QString position = QString::number(reading.values.lowVoltage);
    if (!reading.unnamedLowVoltage)
        return position;
    return (language == Language::English ? QStringLiteral("%1 (byte %2)")
                                          : QStringLiteral("%1（字节 %2）"))
        .arg(position, byteText(*reading.unnamedLowVoltage));
}

QString CalibrationText::unnamedLowVoltageWarning(const CalibrationReading& reading,
                                                  Language language)
{
    if (!reading.unnamedLowVoltage)
        return {};
    const QString byte = byteText(*reading.unnamedLowVoltage);
    const QString position = QString::number(reading.values.lowVoltage);
    return language == Language::English
               ? QStringLiteral("The radio's low voltage byte is %1, which is none of the levels "
                                "00, 01 and 02; it is shown as %2. Check it before writing.")
                     .arg(byte, position)
               : QStringLiteral("电台的低电压字节为 %1，不是规定的等级 00、01、02 之一；"
                                "显示为 %2。写入前请核对。")
                     .arg(byte, position);
}

#pragma once

#include "link/CalibrationCodec.h"
#include "link/MemoryMap.h"
#include "workspace/Workspace.h"

#include "support/SampleRadio.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// What the fault tables put on either side of a run, so that whatever moves shows: the
// radio holds the sample and one calibration, the program marker data and another.
namespace MarkerData {

inline const QStringList Channel{"145.00000", "OFF", "145.00000", "OFF", "Low", "OFF", "ON", "ON"};
inline const QString Band = QStringLiteral("136-174MHz");
constexpr FunctionSettings::Positions Settings = FunctionSettings::StartupPositions;
inline const PowerCalibrationValues RadioCalibration{79, 48, 2};
inline const PowerCalibrationValues BoxCalibration{100, 200, 0};
// A radio that holds nothing: every byte FF.
inline const QByteArray BlankRadio(MemoryMap::ImageSize, char(0xFF));

// The calibration block as the radio stores it.
inline QByteArray calibrationBlock(const PowerCalibrationValues& values)
{
    return QByteArray::fromHex(QStringLiteral("%1%2%3FFFFFFFFFF")
                                   .arg(values.lowPower, 2, 16, QLatin1Char('0'))
                                   .arg(values.highPower, 2, 16, QLatin1Char('0'))
                                   .arg(values.lowVoltage, 2, 16, QLatin1Char('0'))
                                   .toLatin1());
}

// The radio a read takes its data from: the sample, with RadioCalibration.
inline QByteArray sampleRadio()
{
    QByteArray image = SampleRadio::image();
    image.replace(MemoryMap::PowerCalibration, MemoryMap::BlockSize,
                  calibrationBlock(RadioCalibration));
    return image;
}

// Every channel holds the marker channel, the marker band is selected (as a file open selects
// one, without the band-change question) and the settings are the marker settings.
inline void fill(Workspace& workspace)
{
    workspace.editor.loading = true;
    workspace.bands.append(Band);
    workspace.bands.select(workspace.bands.indexOf(Band));
    workspace.editor.loading = false;
    for (int row = Row::FirstChannel; row <= Row::LastChannel; ++row)
        for (int column = Column::FirstField; column <= Column::LastField; ++column)
            workspace.table.setText(row, column, Channel[column - Column::FirstField]);
    workspace.settings.reset(Settings);
}

} // namespace MarkerData

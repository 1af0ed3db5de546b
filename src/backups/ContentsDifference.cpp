#include "backups/ContentsDifference.h"

namespace {
QString flagText(bool set)
{
    return set ? QStringLiteral("1") : QStringLiteral("0");
}
} // namespace

QList<ContentsDifference> compareContents(const RadioContents& written,
                                          const RadioContents& readBack)
{
    using Place = ContentsDifference::Place;
    QList<ContentsDifference> differences;
    for (int row = Row::FirstChannel; row <= Row::LastChannel; ++row) {
        for (int column = Column::FirstField; column <= Column::LastField; ++column) {
            const int field = RadioContents::fieldIndex(column);
            const QString& sent = written.channel(row)[field];
            const QString& held = readBack.channel(row)[field];
            if (sent != held)
                differences.append({Place::Channel, row, column, {}, sent, held});
        }
    }
    for (int index = 0; index < FunctionSettings::SettingCount; ++index) {
        const int sent = written.settings.positions[size_t(index)];
        const int held = readBack.settings.positions[size_t(index)];
        if (sent != held)
            differences.append({Place::Setting, 0, 0, FunctionSettings::Setting(index),
                                QString::number(sent), QString::number(held)});
    }
    if (written.settings.voxInhibit != readBack.settings.voxInhibit)
        differences.append({Place::VoxInhibit,
                            0,
                            0,
                            {},
                            flagText(written.settings.voxInhibit),
                            flagText(readBack.settings.voxInhibit)});
    if (written.band != readBack.band)
        differences.append({Place::Band, 0, 0, {}, written.band, readBack.band});
    return differences;
}

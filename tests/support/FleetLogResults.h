#pragma once

#include "files/CsvRecords.h"

#include <QFile>
#include <QStringList>

// The port and result of each row of the fleet log at `path` ("COM2 verified"), sorted, as
// the radios of a run end in any order; the header is left out, and a missing header or a
// log that cannot be read gives a single "no fleet log" entry.
inline QStringList fleetLogResults(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("no fleet log")};
    const CsvRecords::Split log = CsvRecords::split(QString::fromUtf8(file.readAll()));
    if (log.records.isEmpty() || log.records.first().fields.value(0) != QLatin1String("Time"))
        return {QStringLiteral("no fleet log")};
    QStringList results;
    for (const CsvRecords::Record& record : log.records.mid(1))
        results << record.fields.value(1) + QLatin1Char(' ') + record.fields.value(4);
    results.sort();
    return results;
}

#pragma once

#include "backups/FleetRadioOutcome.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

// fleet-log.csv: a row for every radio a fleet run (or a run radio after radio) ended with,
// so that a shop can show which radio got what and open the record in a spreadsheet. Rows
// are only ever added; the header comes first when the file is new or empty. The result is
// one of a few fixed English words, whatever the language, so that the column can be
// filtered across runs.
class FleetLog
{
public:
    static inline const QString FileName = QStringLiteral("fleet-log.csv");

    explicit FleetLog(QString path) : m_path(std::move(path)) {}
    // $XDG_DATA_HOME/qv3307/fleet-log.csv, by default (or when that is relative)
    // ~/.local/share/qv3307/fleet-log.csv.
    static FleetLog standard();

    const QString& path() const { return m_path; }

    struct Row
    {
        QDateTime time;
        QString port;
        QString device;
        // The file written into the radio (or a read written to); empty when there is none.
        QString file;
        QString result;
        QString backup;
    };

    static QStringList header();
    // "2026-12-10 19:30:05" in local time, as calibration.log has it.
    static QString timeText(const QDateTime& time);
    // The record's line as written, CR LF included: quoted where a field needs it, and a
    // field that a spreadsheet would take for a formula (=, +, -, @ first) begun with an
    // apostrophe so that it stays text.
    static QByteArray line(const QStringList& fields);

    // The row of a radio's outcome: `file` is what was written to it (or where its read
    // went).
    static Row rowOf(const FleetRadioOutcome& outcome, const QString& file,
                     const QDateTime& time = QDateTime::currentDateTime());
    // The result column for an outcome: "verified", "written", "differences", "not
    // verified", "write failed", "no answer", "backup not saved", "refused", "port
    // unavailable", "interrupted", and "read" for a read that went through.
    static QString resultOf(const FleetRadioOutcome& outcome);

    // Adds the row as one write while holding the file's lock, so rows of programs running
    // side by side never mix; creates the folder and the header when needed. Returns 0 when
    // done, else the errno of the failing call.
    int append(const Row& row) const;

private:
    QString m_path;
};

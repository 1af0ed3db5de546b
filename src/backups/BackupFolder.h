#pragma once

#include "link/CalibrationCodec.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

// The folder where the program keeps what radios held: a channel file of every complete
// read, named after the local time it was taken ("2026-12-10_19-30-05.F19", then "-2",
// "-3" ... for more in the same second), and calibration.log, a line for every calibration
// read. A backup never replaces a file; backups older than a year are removed at start-up,
// and nothing else in the folder is ever removed.
class BackupFolder
{
public:
    static constexpr int KeepDays = 365;
    static inline const QString Extension = QStringLiteral(".F19");
    static inline const QString CalibrationLogName = QStringLiteral("calibration.log");

    explicit BackupFolder(QString path) : m_path(std::move(path)) {}
    // $XDG_DATA_HOME/qv3307/backups, by default (or when that is relative)
    // ~/.local/share/qv3307/backups.
    static BackupFolder standard();

    const QString& path() const { return m_path; }
    bool exists() const;
    QString calibrationLogPath() const;

    // "YYYY-MM-DD_HH-MM-SS" of `when` in local time.
    static QString baseName(const QDateTime& when);
    // Whether a file name is one save() gives: a base name, maybe "-N", and ".F19".
    static bool isBackupName(const QString& fileName);

    struct SaveOutcome
    {
        QString path;  // the file written, or the one that could not be
        int error = 0; // errno of the failing call; 0 when saved
        bool saved() const { return error == 0; }
    };

    // Saves a channel file under a name no file holds yet, creating the folder when needed,
    // with the same atomic save as the Save command.
    SaveOutcome save(const QByteArray& channelFile,
                     const QDateTime& when = QDateTime::currentDateTime()) const;

    // Appends "2026-12-10 19:30:05 low power 79, high power 48, low voltage 1" to
    // calibration.log, followed by " (byte 05, no defined level)" when the radio's low
    // voltage byte named none. Returns 0 when done, else the errno of the failing call.
    int appendCalibration(const CalibrationReading& reading,
                          const QDateTime& when = QDateTime::currentDateTime()) const;
    static QString calibrationLine(const CalibrationReading& reading, const QDateTime& when);

    // Removes the backups taken more than KeepDays before `now`: plain files named as
    // backups whose name and modification time are both that old. Links, folders and every
    // other file stay. Returns the paths removed.
    QStringList removeOldBackups(const QDateTime& now = QDateTime::currentDateTime()) const;

private:
    int createFolder() const;

    QString m_path;
};

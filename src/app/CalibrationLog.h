#pragma once

#include <QObject>
#include <QString>

class ServiceCommands;
class Workspace;
struct CalibrationReading;

// Keeps every calibration the service page reads in the backups folder's calibration.log:
// the transmitter calibration lives only in the radio.
class CalibrationLog : public QObject
{
    Q_OBJECT

public:
    CalibrationLog(ServiceCommands& service, const Workspace& workspace, QObject* parent = nullptr);

signals:
    // A reading could not be kept: "Backup not saved: " and why, in the checked language.
    void notSaved(const QString& text);

private:
    void log(const CalibrationReading& reading);

    const Workspace& m_workspace;
};

#include "app/CalibrationLog.h"

#include "backups/BackupFolder.h"
#include "backups/SafeWriteText.h"
#include "service/ServiceCommands.h"
#include "workspace/Workspace.h"

CalibrationLog::CalibrationLog(ServiceCommands& service, const Workspace& workspace,
                               QObject* parent)
    : QObject(parent), m_workspace(workspace)
{
    connect(&service, &ServiceCommands::calibrationRead, this, &CalibrationLog::log);
}

void CalibrationLog::log(const CalibrationReading& reading)
{
    const BackupFolder folder = BackupFolder::standard();
    if (const int error = folder.appendCalibration(reading); error != 0)
        emit notSaved(SafeWriteText::backupNotSaved({folder.calibrationLogPath(), error},
                                                    m_workspace.checkedLanguage));
}

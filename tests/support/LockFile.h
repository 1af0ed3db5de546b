#pragma once

#include "link/PortDiagnostics.h"

#include <QFileInfo>
#include <QString>

// The lock file QSerialPort keeps for the device while it has it open, wherever it is;
// empty when there is none.
inline QString lockFileOf(const QString& devicePath)
{
    for (const QString& folder : PortDiagnostics::defaultLockFolders()) {
        const QString path = folder + QLatin1Char('/') + PortDiagnostics::lockFileName(devicePath);
        if (QFileInfo::exists(path))
            return path;
    }
    return {};
}

#include "workspace/UserFolders.h"

#include <QDir>
#include <QStandardPaths>

namespace {

// Qt takes a relative path in the variable as it stands; such a value is treated as unset.
QString xdgFolder(QStandardPaths::StandardLocation location, const char* variable,
                  const QString& withinHome)
{
    const QString value = qEnvironmentVariable(variable);
    if (!value.isEmpty() && QDir::isRelativePath(value))
        return QDir::homePath() + withinHome;
    return QStandardPaths::writableLocation(location);
}

} // namespace

namespace UserFolders {

QString dataHome()
{
    return xdgFolder(QStandardPaths::GenericDataLocation, "XDG_DATA_HOME",
                     QStringLiteral("/.local/share"));
}

QString configHome()
{
    return xdgFolder(QStandardPaths::GenericConfigLocation, "XDG_CONFIG_HOME",
                     QStringLiteral("/.config"));
}

} // namespace UserFolders

#include "files/FileDialogs.h"

#include <QFileInfo>

QString FileDialogs::withDefaultExtension(const QString& path, const QString& extension)
{
    const QFileInfo file(path);
    if (file.fileName().contains(u'.') || file.exists())
        return path;
    return path + extension;
}

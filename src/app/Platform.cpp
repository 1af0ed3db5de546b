#include "app/Platform.h"

#include <QCursor>
#include <QDesktopServices>

Platform Platform::withDesktopDefaults() const
{
    Platform filled = *this;
    if (!filled.cursorPosition)
        filled.cursorPosition = [] { return QCursor::pos(); };
    if (!filled.openUrl)
        filled.openUrl = [](const QUrl& url) { QDesktopServices::openUrl(url); };
    return filled;
}

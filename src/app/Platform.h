#pragma once

#include "link/SerialDeviceList.h"

#include <QPoint>
#include <QString>
#include <QUrl>

#include <functional>

class FileDialogs;
class MessageLibrary;

// The outside world the main window works through. The program fills it with the real
// things; tests put their own in its place.
struct Platform
{
    QString programFolder; // where the executable and its companion files live
    // The user's configuration folder, for settings the program folder cannot keep; empty:
    // the system's ($XDG_CONFIG_HOME, or ~/.config).
    QString configFolder;
    MessageLibrary* messages = nullptr;
    FileDialogs* fileDialogs = nullptr; // none: the main window shows the toolkit's own
    // The mouse position on the screen (the hover navigation asks for it).
    std::function<QPoint()> cursorPosition;
    // Where the serial devices' stable names are, and the devices the system lists; empty:
    // the machine's own.
    QString serialByIdFolder;
    SerialDeviceList::SystemPorts systemSerialPorts;
    // Opens a document with the desktop's viewer (the help), and calls `failed` (perhaps
    // later) when the desktop cannot show it.
    using OpenFailed = std::function<void()>;
    std::function<void(const QUrl&, const OpenFailed& failed)> openUrl;

    // The real mouse and desktop, for whatever the caller left empty.
    Platform withDesktopDefaults() const;
};

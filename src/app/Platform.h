#pragma once

#include <QString>

class FileDialogs;
class MessageLibrary;

// The outside world the main window works through. The program fills it with the real
// things; tests put their own in its place.
struct Platform
{
    QString programFolder; // where the executable and its companion files live
    MessageLibrary* messages = nullptr;
    FileDialogs* fileDialogs = nullptr; // none: the main window shows the toolkit's own
};

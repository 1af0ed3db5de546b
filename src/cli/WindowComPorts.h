#pragma once

#include "link/ComPortChoices.h"
#include "link/ComPortDevices.h"

#include <QList>

class CliContext;

// COM1 to COM4 as the window finds them: the cable chosen for each in the window's settings
// file (only read here), then the program folder's links and the usual devices.
struct WindowComPorts
{
    explicit WindowComPorts(const CliContext& context);
    WindowComPorts(const WindowComPorts&) = delete;
    WindowComPorts& operator=(const WindowComPorts&) = delete;

    QList<int> numbers;
    ComPortChoices choices;
    // Looks the choices up above.
    ComPortDevices devices;
};

#include "cli/WindowComPorts.h"

#include "cli/CliContext.h"
#include "workspace/SettingsFile.h"

namespace {
QList<int> allPorts()
{
    QList<int> numbers;
    for (int number = 1; number <= ComPortDevices::PortCount; ++number)
        numbers << number;
    return numbers;
}
} // namespace

WindowComPorts::WindowComPorts(const CliContext& context)
    : numbers(allPorts()),
      choices(ComPortChoices::read(SettingsFile(context.settingsFolder()), numbers)),
      devices(context.programFolder(), QStringLiteral("/dev"), &choices)
{
}

#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "link/ComPortChoices.h"
#include "link/ComPortDevices.h"
#include "link/SerialDeviceList.h"
#include "workspace/SettingsFile.h"

#include <QFileInfo>

namespace {

constexpr int PortCount = 4;

QString canonical(const QString& path)
{
    const QString target = QFileInfo(path).canonicalFilePath();
    return target.isEmpty() ? path : target;
}

} // namespace

ExitStatus Commands::ports(CliContext& context)
{
    const QList<int> portNumbers{1, 2, 3, 4};
    const ComPortChoices choices =
        ComPortChoices::read(SettingsFile(context.settingsFolder()), portNumbers);
    const ComPortDevices devices(context.programFolder(), QStringLiteral("/dev"), &choices);
    const QList<SerialDevice> present = SerialDeviceList().devices();

    QTextStream& out = context.out();
    if (present.isEmpty())
        out << context.say(QStringLiteral("No serial device is present."),
                           QStringLiteral("当前没有任何串口设备。"))
            << '\n';
    for (const SerialDevice& device : present) {
        QStringList ports;
        for (const int number : portNumbers)
            if (canonical(devices.devicePath(number)) == canonical(device.path))
                ports << QStringLiteral("COM%1").arg(number);
        out << device.path;
        if (!device.stableName.isEmpty())
            out << "  " << device.stableName;
        if (device.label() != device.path && device.label() != device.stableName)
            out << "  " << device.label();
        if (!ports.isEmpty())
            out << "  " << ports.join(QLatin1Char(' '));
        out << '\n';
    }

    out << '\n';
    for (int number = 1; number <= PortCount; ++number) {
        const ComPortDevices::Resolution resolution = devices.resolve(number);
        const bool exists = QFileInfo::exists(resolution.path);
        out << QStringLiteral("COM%1 -> %2").arg(number).arg(resolution.path);
        if (!exists)
            out << context.say(QStringLiteral(" (not present)"), QStringLiteral("（未连接）"));
        out << '\n';
    }
    return ExitStatus::Done;
}

#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "cli/JsonOutput.h"
#include "cli/PortsJson.h"
#include "cli/WindowComPorts.h"
#include "link/QtSerialPort.h"
#include "link/SerialDeviceList.h"

#include <QFileInfo>

ExitStatus Commands::ports(CliContext& context)
{
    const WindowComPorts com(context);
    const QList<int>& portNumbers = com.numbers;
    const ComPortDevices& devices = com.devices;
    const QList<SerialDevice> present = SerialDeviceList().devices();
    if (context.line().json) {
        JsonOutput::print(
            context, PortsJson::ports(present, devices, &QtSerialPort::probe, PortDiagnostics()));
        return ExitStatus::Done;
    }

    QTextStream& out = context.out();
    if (present.isEmpty())
        out << inLanguage(context.language(), QStringLiteral("No serial device is present."),
                          QStringLiteral("当前没有任何串口设备。"))
            << '\n';
    for (const SerialDevice& device : present) {
        const QStringList ports = PortsJson::comPortsLeadingTo(device, devices);
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
    for (const int number : portNumbers) {
        const ComPortDevices::Resolution resolution = devices.resolve(number);
        const bool exists = QFileInfo::exists(resolution.path);
        out << QStringLiteral("COM%1 -> %2").arg(number).arg(resolution.path);
        if (!exists)
            out << inLanguage(context.language(), QStringLiteral(" (not present)"),
                              QStringLiteral("（未连接）"));
        out << '\n';
    }
    return ExitStatus::Done;
}

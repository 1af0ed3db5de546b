#include "link/ComPortChoices.h"

#include "workspace/SettingsFile.h"

QString ComPortChoices::key(int portNumber)
{
    return QStringLiteral("com%1device").arg(portNumber);
}

ComPortChoices ComPortChoices::read(const SettingsFile& file, const QList<int>& portNumbers)
{
    ComPortChoices choices;
    for (const int port : portNumbers) {
        const QString device = file.readText(Section, key(port), {}).trimmed();
        if (!device.isEmpty())
            choices.m_devices.insert(port, device);
    }
    return choices;
}

bool ComPortChoices::choose(SettingsFile& file, int portNumber, const QString& deviceName)
{
    tie(portNumber, deviceName);
    return file.writeText(Section, key(portNumber), deviceName);
}

bool ComPortChoices::forget(SettingsFile& file, int portNumber)
{
    m_devices.remove(portNumber);
    return file.remove(Section, key(portNumber));
}

#include "cli/RadioPort.h"

#include "link/PortDiagnostics.h"
#include "workspace/SettingsFile.h"

#include <QRegularExpression>

std::unique_ptr<RadioPort> RadioPort::create(const QString& programFolder,
                                             const QString& settingsFolder, const QString& name)
{
    static const QRegularExpression comPort(QStringLiteral("^COM([1-9][0-9]*)$"),
                                            QRegularExpression::CaseInsensitiveOption);
    if (const QRegularExpressionMatch match = comPort.match(name); match.hasMatch()) {
        const int number = match.captured(1).toInt();
        if (number > ComPortDevices::PortCount)
            return nullptr;
        const ComPortChoices choices =
            ComPortChoices::read(SettingsFile(settingsFolder), QList<int>{number});
        return std::unique_ptr<RadioPort>(
            new RadioPort(name.toUpper(), programFolder, choices, number));
    }
    if (!name.contains(QLatin1Char('/')))
        return nullptr;
    // Tied to COM1 for this run, as a device chosen in the window is: one that is not there
    // is named as the user gave it.
    ComPortChoices choices;
    choices.tie(1, name);
    return std::unique_ptr<RadioPort>(new RadioPort(name, programFolder, std::move(choices), 1));
}

RadioPort::RadioPort(const QString& name, const QString& folder, ComPortChoices choices,
                     int portNumber)
    : m_name(name), m_choices(std::move(choices)),
      m_connection(ComPortDevices(folder, QStringLiteral("/dev"), &m_choices), portNumber)
{
}

QString RadioPort::devicePath() const
{
    return m_connection.link().devicePath();
}

QString RadioPort::description() const
{
    const QString device = devicePath();
    return device == m_name ? m_name : QStringLiteral("%1 (%2)").arg(m_name, device);
}

bool RadioPort::open()
{
    return link().probePort() && link().openPort();
}

void RadioPort::close()
{
    link().closePort();
}

PortDiagnosis RadioPort::diagnoseOpening() const
{
    return PortDiagnostics().diagnoseOpening(devicePath());
}

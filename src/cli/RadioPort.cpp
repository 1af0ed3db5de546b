#include "cli/RadioPort.h"

#include "link/PortDiagnostics.h"
#include "link/PortProblemText.h"
#include "workspace/SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace {
constexpr int PortCount = 4;
} // namespace

std::unique_ptr<RadioPort> RadioPort::create(const QString& programFolder,
                                             const QString& settingsFolder, const QString& name)
{
    static const QRegularExpression comPort(QStringLiteral("^COM([1-9][0-9]*)$"),
                                            QRegularExpression::CaseInsensitiveOption);
    if (const QRegularExpressionMatch match = comPort.match(name); match.hasMatch()) {
        const int number = match.captured(1).toInt();
        if (number > PortCount)
            return nullptr;
        const ComPortChoices choices =
            ComPortChoices::read(SettingsFile(settingsFolder), QList<int>{number});
        return std::unique_ptr<RadioPort>(
            new RadioPort(name.toUpper(), programFolder, choices, number));
    }
    if (!name.contains(QLatin1Char('/')))
        return nullptr;
    QTemporaryDir folder;
    if (!folder.isValid())
        return nullptr;
    QDir(folder.path()).mkpath(QStringLiteral("dosdevices"));
    QFile::link(QDir(name).absolutePath(), ComPortDevices(folder.path()).linkPath(1));
    auto port = std::unique_ptr<RadioPort>(new RadioPort(name, folder.path(), {}, 1));
    port->m_deviceFolder.emplace(std::move(folder));
    return port;
}

RadioPort::RadioPort(const QString& name, const QString& folder, ComPortChoices choices,
                     int portNumber)
    : m_name(name), m_choices(std::move(choices)),
      m_devices(folder, QStringLiteral("/dev"), &m_choices), m_portNumber(portNumber),
      m_serialPort(std::make_unique<QtSerialPort>(m_devices)),
      m_link(std::make_unique<Link>(*m_serialPort, m_devices))
{
    m_link->setPortNumber(portNumber);
}

QString RadioPort::devicePath() const
{
    return m_devices.devicePath(m_portNumber);
}

QString RadioPort::description() const
{
    const QString device = devicePath();
    return device == m_name ? m_name : QStringLiteral("%1 (%2)").arg(m_name, device);
}

bool RadioPort::open()
{
    return m_link->probePort() && m_link->openPort();
}

void RadioPort::close()
{
    m_link->closePort();
}

QString RadioPort::openingProblem(Language language) const
{
    return PortProblemText::cause(PortDiagnostics().diagnoseOpening(devicePath()), language);
}

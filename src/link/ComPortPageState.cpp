#include "link/ComPortPageState.h"

#include <QFileInfo>

ComPortPageState::ComPortPageState(const ComPortDevices& devices, ComPortChoices& choices,
                                   SerialDeviceList deviceList)
    : m_devices(devices), m_choices(choices), m_deviceList(std::move(deviceList))
{
}

bool ComPortPageState::refresh()
{
    QList<SerialDevice> present = m_deviceList.devices();
    if (present == m_present)
        return false;
    m_present = std::move(present);
    return true;
}

QString ComPortPageState::portLine(int portNumber, Language language) const
{
    const ComPortDevices::Resolution resolved = m_devices.resolve(portNumber);
    QString line = QStringLiteral("→ ") + resolved.path;
    const std::optional<SerialDevice> device = SerialDeviceList::find(m_present, resolved.path);
    if (device && !device->label().isEmpty() && device->label() != resolved.path)
        line += QStringLiteral(" — ") + device->label();
    if (!QFileInfo::exists(resolved.path)) {
        line += language == Language::English ? QStringLiteral("  (not present)")
                                              : QStringLiteral("（未连接）");
    }
    return line;
}

std::optional<SerialDevice> ComPortPageState::suggestion(int portNumber) const
{
    if (m_choices.hasChoice(portNumber))
        return std::nullopt;
    return SerialDeviceList::soleUsbCable(m_present);
}

QString ComPortPageState::suggestionText(int portNumber, Language language) const
{
    const std::optional<SerialDevice> cable = suggestion(portNumber);
    if (m_present.isEmpty()) {
        return language == Language::English ? QStringLiteral("No serial device is present.")
                                             : QStringLiteral("当前没有任何串口设备。");
    }
    if (!cable)
        return {};
    if (language == Language::English) {
        return QStringLiteral("Suggested: %1, the only USB-serial cable present. Select it and "
                              "press \"%2\".")
            .arg(cable->label(), useCaption(portNumber, language));
    }
    return QStringLiteral("建议：%1，这是当前唯一的 USB 串口线。选中它并按“%2”。")
        .arg(cable->label(), useCaption(portNumber, language));
}

bool ComPortPageState::use(SettingsFile& file, int portNumber, int deviceIndex)
{
    if (deviceIndex < 0 || deviceIndex >= m_present.size())
        return false;
    return m_choices.choose(file, portNumber, m_present[deviceIndex].name());
}

bool ComPortPageState::forget(SettingsFile& file, int portNumber)
{
    return m_choices.forget(file, portNumber);
}

QString ComPortPageState::useCaption(int portNumber, Language language)
{
    return language == Language::English ? QStringLiteral("Use for COM%1").arg(portNumber)
                                         : QStringLiteral("用于 COM%1").arg(portNumber);
}

QString ComPortPageState::forgetCaption(int portNumber, Language language)
{
    return language == Language::English ? QStringLiteral("Forget COM%1's device").arg(portNumber)
                                         : QStringLiteral("取消 COM%1 的设备").arg(portNumber);
}

QString ComPortPageState::listCaption(Language language)
{
    return language == Language::English ? QStringLiteral("Serial devices present")
                                         : QStringLiteral("当前的串口设备");
}

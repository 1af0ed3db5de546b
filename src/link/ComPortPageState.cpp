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
        line += inLanguage(language, "  (not present)", "（未连接）");
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
        return inLanguage(language, "No serial device is present.", "当前没有任何串口设备。");
    }
    if (!cable)
        return {};
    return inLanguage(language,
                      QStringLiteral("Suggested: %1, the only USB-serial cable present. Select it "
                                     "and press %2."),
                      QStringLiteral("建议：%1，这是当前唯一的 USB 串口线。选中它并按%2。"))
        .arg(cable->label(), quoted(language, useCaption(portNumber, language)));
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
    return inLanguage(language, QStringLiteral("Use for COM%1"), QStringLiteral("用于 COM%1"))
        .arg(portNumber);
}

QString ComPortPageState::forgetCaption(int portNumber, Language language)
{
    return inLanguage(language, QStringLiteral("Forget COM%1's device"),
                      QStringLiteral("取消 COM%1 的设备"))
        .arg(portNumber);
}

QString ComPortPageState::listCaption(Language language)
{
    return inLanguage(language, "Serial devices present", "当前的串口设备");
}

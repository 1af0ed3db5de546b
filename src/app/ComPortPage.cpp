#include "app/ComPortPage.h"

#include "link/ComPortDevices.h"

#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

ComPortPage::ComPortPage(const ComPortDevices& devices, QWidget* parent)
    : QWidget(parent), m_devices(devices)
{
    auto* group = new QGroupBox(QStringLiteral("Communication Port"), this);
    group->setObjectName(QStringLiteral("comPortGroup"));
    group->setGeometry(16, 12, 420, 40 + PortCount * 36);
    for (int port = 1; port <= PortCount; ++port) {
        auto* button = new QRadioButton(QStringLiteral("COM%1").arg(port), group);
        button->setObjectName(QStringLiteral("comPortButton%1").arg(port));
        button->setGeometry(20, 30 + (port - 1) * 36, 90, 24);
        auto* device = new QLabel(group);
        device->setObjectName(QStringLiteral("comDeviceLabel%1").arg(port));
        device->setGeometry(120, 30 + (port - 1) * 36, 290, 24);
        m_buttons[port - 1] = button;
        m_deviceLabels[port - 1] = device;
        connect(button, &QRadioButton::toggled, this, [this, port](bool checked) {
            if (checked)
                emit portChosen(port);
        });
    }
    m_buttons[0]->setChecked(true);
    refreshDevices();
}

void ComPortPage::checkPort(int portNumber)
{
    if (portNumber >= 1 && portNumber <= PortCount)
        m_buttons[portNumber - 1]->setChecked(true);
}

void ComPortPage::refreshDevices()
{
    for (int port = 1; port <= PortCount; ++port) {
        const QString path = m_devices.devicePath(port);
        const QString state = QFileInfo::exists(path) ? QString() : QStringLiteral("  (—)");
        m_deviceLabels[port - 1]->setText(QStringLiteral("→ ") + path + state);
    }
}

void ComPortPage::showEvent(QShowEvent* event)
{
    refreshDevices();
    QWidget::showEvent(event);
}

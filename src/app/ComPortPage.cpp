#include "app/ComPortPage.h"

#include "link/ComPortPageState.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

ComPortPage::ComPortPage(ComPortPageState& state, QWidget* parent) : QWidget(parent), m_state(state)
{
    auto* group = new QGroupBox(QStringLiteral("Communication Port"), this);
    group->setObjectName(QStringLiteral("comPortGroup"));
    group->setGeometry(16, 12, 610, 40 + PortCount * 36);
    for (int port = 1; port <= PortCount; ++port) {
        auto* button = new QRadioButton(QStringLiteral("COM%1").arg(port), group);
        button->setObjectName(QStringLiteral("comPortButton%1").arg(port));
        button->setGeometry(20, 30 + (port - 1) * 36, 90, 24);
        auto* device = new QLabel(group);
        device->setObjectName(QStringLiteral("comDeviceLabel%1").arg(port));
        device->setGeometry(120, 30 + (port - 1) * 36, 480, 24);
        m_buttons[port - 1] = button;
        m_deviceLabels[port - 1] = device;
        connect(button, &QRadioButton::toggled, this, [this, port](bool checked) {
            if (!checked)
                return;
            showState();
            emit portChosen(port);
        });
    }

    m_listCaption = new QLabel(this);
    m_listCaption->setGeometry(16, 208, 610, 20);
    m_deviceList = new QListWidget(this);
    m_deviceList->setObjectName(QStringLiteral("serialDeviceList"));
    m_deviceList->setGeometry(16, 230, 610, 120);
    m_suggestion = new QLabel(this);
    m_suggestion->setObjectName(QStringLiteral("cableSuggestion"));
    m_suggestion->setGeometry(16, 356, 610, 40);
    m_suggestion->setWordWrap(true);
    m_useButton = new QPushButton(this);
    m_useButton->setObjectName(QStringLiteral("useDeviceButton"));
    m_useButton->setGeometry(16, 404, 200, 28);
    m_forgetButton = new QPushButton(this);
    m_forgetButton->setObjectName(QStringLiteral("forgetDeviceButton"));
    m_forgetButton->setGeometry(226, 404, 240, 28);

    connect(m_deviceList, &QListWidget::currentRowChanged, this, [this] { showState(); });
    connect(m_useButton, &QPushButton::clicked, this,
            [this] { emit useRequested(checkedPort(), m_deviceList->currentRow()); });
    connect(m_forgetButton, &QPushButton::clicked, this,
            [this] { emit forgetRequested(checkedPort()); });
    // Plugging a cable in or out shows within the second while the page is up.
    m_refreshTimer.setInterval(RefreshIntervalMs);
    connect(&m_refreshTimer, &QTimer::timeout, this, &ComPortPage::refreshDevices);

    m_buttons[0]->setChecked(true);
    refreshDevices();
}

void ComPortPage::checkPort(int portNumber)
{
    if (portNumber >= 1 && portNumber <= PortCount)
        m_buttons[portNumber - 1]->setChecked(true);
}

int ComPortPage::checkedPort() const
{
    for (int port = 1; port <= PortCount; ++port) {
        if (m_buttons[port - 1]->isChecked())
            return port;
    }
    return 1;
}

QString ComPortPage::portLineText(int portNumber) const
{
    return m_deviceLabels[portNumber - 1]->text();
}

void ComPortPage::setLanguage(Language language)
{
    m_language = language;
    showState();
}

void ComPortPage::refreshDevices()
{
    if (m_state.refresh()) {
        const QString selected =
            m_deviceList->currentRow() >= 0 ? m_deviceList->currentItem()->text() : QString();
        const QSignalBlocker quiet(m_deviceList);
        m_deviceList->clear();
        for (const SerialDevice& device : m_state.presentDevices())
            m_deviceList->addItem(device.nameAndLabel());
        const QList<QListWidgetItem*> same = m_deviceList->findItems(selected, Qt::MatchExactly);
        if (!same.isEmpty())
            m_deviceList->setCurrentItem(same.front());
    }
    showState();
}

void ComPortPage::showState()
{
    const int port = checkedPort();
    for (int number = 1; number <= PortCount; ++number)
        m_deviceLabels[number - 1]->setText(m_state.portLine(number, m_language));
    m_listCaption->setText(ComPortPageState::listCaption(m_language));
    // The one cable there is stands selected, ready to be used.
    if (const std::optional<SerialDevice> cable = m_state.suggestion(port);
        cable && m_deviceList->currentRow() < 0) {
        const QSignalBlocker quiet(m_deviceList);
        m_deviceList->setCurrentRow(int(m_state.presentDevices().indexOf(*cable)));
    }
    m_suggestion->setText(m_state.suggestionText(port, m_language));
    m_useButton->setText(ComPortPageState::useCaption(port, m_language));
    m_useButton->setEnabled(m_deviceList->currentRow() >= 0);
    m_forgetButton->setText(ComPortPageState::forgetCaption(port, m_language));
    m_forgetButton->setEnabled(m_state.canForget(port));
}

void ComPortPage::showEvent(QShowEvent* event)
{
    refreshDevices();
    m_refreshTimer.start();
    QWidget::showEvent(event);
}

void ComPortPage::hideEvent(QHideEvent* event)
{
    m_refreshTimer.stop();
    QWidget::hideEvent(event);
}

#include "service/PowerPage.h"

#include "service/CalibrationText.h"
#include "service/PowerSpinBox.h"
#include "workspace/BuiltInLanguages.h"
#include "workspace/LanguageStrings.h"
#include "workspace/LanguageTable.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

namespace {
enum Row : int { LowPowerRow, HighPowerRow, LowVoltageRow, ButtonRow };

constexpr int RowHeight = 34;
constexpr int LabelWidth = 110;
constexpr int BoxWidth = 120;
constexpr int ButtonWidth = 100;
constexpr int ButtonHeight = 30;

int rowTop(int row)
{
    return 30 + row * RowHeight;
}

// A command refused because another one holds the port is answered as a busy control
// would answer a click. Free, because the page may be gone by the time a command returns.
void beepWhenRefused(ServiceCommands::Outcome outcome)
{
    if (outcome == ServiceCommands::Outcome::Refused)
        QApplication::beep();
}
} // namespace

PowerPage::PowerPage(ServiceCommands& commands, QWidget* parent)
    : QWidget(parent), m_commands(commands)
{
    using BuiltInLanguages::defaultCaption;
    m_powerGroup = new QGroupBox(defaultCaption(LanguageString::PowerAdjust), this);
    m_powerGroup->setObjectName(QStringLiteral("powerGroup"));
    m_powerGroup->setGeometry(16, 12, 2 * LabelWidth + BoxWidth, rowTop(ButtonRow) + 50);

    m_lowPowerLabel = addLabel(LowPowerRow, QStringLiteral("lowPowerLabel"),
                               defaultCaption(LanguageString::LowPowerLabel));
    m_lowPowerBox = addPowerBox(LowPowerRow, QStringLiteral("lowPowerBox"));
    m_lowPowerLabel->setBuddy(m_lowPowerBox);
    m_highPowerLabel = addLabel(HighPowerRow, QStringLiteral("highPowerLabel"),
                                defaultCaption(LanguageString::HighPowerLabel));
    m_highPowerBox = addPowerBox(HighPowerRow, QStringLiteral("highPowerBox"));
    m_highPowerLabel->setBuddy(m_highPowerBox);
    m_lowVoltageLabel = addLabel(LowVoltageRow, QStringLiteral("lowVoltageLabel"),
                                 defaultCaption(LanguageString::LowVoltage));
    m_lowVoltageBox = new QComboBox(m_powerGroup);
    m_lowVoltageBox->setObjectName(QStringLiteral("lowVoltageBox"));
    m_lowVoltageBox->setGeometry(16 + LabelWidth, rowTop(LowVoltageRow), BoxWidth, 24);
    m_lowVoltageBox->addItems({QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2")});
    m_lowVoltageLabel->setBuddy(m_lowVoltageBox);

    m_readButton = addButton(m_powerGroup, QStringLiteral("readButton"),
                             defaultCaption(LanguageString::PowerRead),
                             {16, rowTop(ButtonRow), ButtonWidth, ButtonHeight});
    m_writeButton = addButton(m_powerGroup, QStringLiteral("writeButton"),
                              defaultCaption(LanguageString::PowerWrite),
                              {32 + ButtonWidth, rowTop(ButtonRow), ButtonWidth, ButtonHeight});
    m_agingButton =
        addButton(this, QStringLiteral("agingButton"), QStringLiteral("老化"),
                  {m_powerGroup->geometry().right() + 24, 20, ButtonWidth, ButtonHeight});

    // Below the group, as wide as the page: the warning names the byte and what it shows.
    m_lowVoltageWarning = new QLabel(this);
    m_lowVoltageWarning->setObjectName(QStringLiteral("lowVoltageWarning"));
    m_lowVoltageWarning->setWordWrap(true);
    m_lowVoltageWarning->setStyleSheet(QStringLiteral("color: #e05050;"));
    m_lowVoltageWarning->setGeometry(16, m_powerGroup->geometry().bottom() + 12,
                                     m_agingButton->geometry().right() - 16, 48);
    m_lowVoltageWarning->hide();

    showValues(commands.calibration().values());
    showRunning(commands.running());
    m_writeButton->setEnabled(commands.writeEnabled());
    connectCommands();
}

QLabel* PowerPage::addLabel(int row, const QString& objectName, const QString& caption)
{
    auto* label = new QLabel(caption, m_powerGroup);
    label->setObjectName(objectName);
    label->setGeometry(16, rowTop(row), LabelWidth - 8, 24);
    return label;
}

PowerSpinBox* PowerPage::addPowerBox(int row, const QString& objectName)
{
    auto* box = new PowerSpinBox(m_powerGroup);
    box->setObjectName(objectName);
    box->setGeometry(16 + LabelWidth, rowTop(row), BoxWidth, 24);
    return box;
}

QPushButton* PowerPage::addButton(QWidget* parent, const QString& objectName,
                                  const QString& caption, const QRect& geometry)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    button->setGeometry(geometry);
    return button;
}

void PowerPage::connectCommands()
{
    PowerCalibration& calibration = m_commands.calibration();
    connect(m_lowPowerBox, &QSpinBox::valueChanged, &calibration, &PowerCalibration::setLowPower);
    connect(m_highPowerBox, &QSpinBox::valueChanged, &calibration, &PowerCalibration::setHighPower);
    connect(m_lowVoltageBox, &QComboBox::activated, &calibration, &PowerCalibration::setLowVoltage);
    connect(&calibration, &PowerCalibration::valuesChanged, this, &PowerPage::showValues);
    connect(&m_commands, &ServiceCommands::runningChanged, this, &PowerPage::showRunning);
    connect(&m_commands, &ServiceCommands::writeEnabledChanged, m_writeButton,
            &QPushButton::setEnabled);
    connect(&m_commands, &ServiceCommands::calibrationRead, this,
            [this](const CalibrationReading& reading) {
                m_reading = reading;
                showLowVoltageWarning();
            });

    ServiceCommands* commands = &m_commands;
    connect(m_readButton, &QPushButton::clicked, commands,
            [commands] { beepWhenRefused(commands->readCalibration()); });
    connect(m_writeButton, &QPushButton::clicked, this, [this, commands] {
        commitPowerBoxes();
        beepWhenRefused(commands->writeCalibration());
    });
    connect(m_agingButton, &QPushButton::clicked, commands,
            [commands] { beepWhenRefused(commands->startAgingTest()); });
}

void PowerPage::applyCaptions(const LanguageTable& table)
{
    m_powerGroup->setTitle(table.string(LanguageString::PowerAdjust));
    m_lowPowerLabel->setText(table.string(LanguageString::LowPowerLabel));
    m_highPowerLabel->setText(table.string(LanguageString::HighPowerLabel));
    m_lowVoltageLabel->setText(table.string(LanguageString::LowVoltage));
    m_readButton->setText(table.string(LanguageString::PowerRead));
    m_writeButton->setText(table.string(LanguageString::PowerWrite));
}

void PowerPage::setLanguage(Language language)
{
    m_language = language;
    showLowVoltageWarning();
}

void PowerPage::showLowVoltageWarning()
{
    const QString warning = CalibrationText::unnamedLowVoltageWarning(m_reading, m_language);
    m_lowVoltageWarning->setText(warning);
    m_lowVoltageWarning->setVisible(!warning.isEmpty());
}

void PowerPage::showValues(const PowerCalibrationValues& values)
{
    m_lowPowerBox->showValue(values.lowPower);
    m_highPowerBox->showValue(values.highPower);
    const QSignalBlocker quiet(m_lowVoltageBox);
    m_lowVoltageBox->setCurrentIndex(values.lowVoltage);
}

void PowerPage::showRunning(ServiceCommands::Command command)
{
    // Only a running read disables its button; the aging button is never disabled.
    m_readButton->setEnabled(command != ServiceCommands::Command::Read);
}

void PowerPage::commitPowerBoxes()
{
    // A box still being edited counts as left: its value is clamped before anything is
    // sent.
    m_lowPowerBox->interpretText();
    m_highPowerBox->interpretText();
}

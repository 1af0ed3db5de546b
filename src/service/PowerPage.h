#pragma once

#include "link/CalibrationCodec.h"
#include "service/ServiceCommands.h"
#include "workspace/Language.h"

#include <QWidget>

class LanguageTable;
class PowerSpinBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

// The power adjustment page: the low and high power boxes and the low voltage
// list in the group "功率调整" with the read and write buttons, and the aging button beside
// the group. The boxes show the values ServiceCommands holds and hand the user's changes
// back; the buttons run its commands.
class PowerPage : public QWidget
{
    Q_OBJECT

public:
    explicit PowerPage(ServiceCommands& commands, QWidget* parent = nullptr);

    PowerSpinBox* lowPowerBox() const { return m_lowPowerBox; }
    PowerSpinBox* highPowerBox() const { return m_highPowerBox; }
    QComboBox* lowVoltageBox() const { return m_lowVoltageBox; }
    QPushButton* readButton() const { return m_readButton; }
    QPushButton* writeButton() const { return m_writeButton; }
    QPushButton* agingButton() const { return m_agingButton; }
    QGroupBox* powerGroup() const { return m_powerGroup; }
    QLabel* lowPowerLabel() const { return m_lowPowerLabel; }
    QLabel* highPowerLabel() const { return m_highPowerLabel; }
    QLabel* lowVoltageLabel() const { return m_lowVoltageLabel; }
    // Says which byte the radio held when its low voltage byte named no level; hidden
    // otherwise.
    QLabel* lowVoltageWarning() const { return m_lowVoltageWarning; }

    // The aging button keeps "老化" in every language.
    void applyCaptions(const LanguageTable& table);
    // The language of the page's own texts, the low voltage warning's.
    void setLanguage(Language language);

private:
    QLabel* addLabel(int row, const QString& objectName, const QString& caption);
    PowerSpinBox* addPowerBox(int row, const QString& objectName);
    QPushButton* addButton(QWidget* parent, const QString& objectName, const QString& caption,
                           const QRect& geometry);
    void connectCommands();
    void showValues(const PowerCalibrationValues& values);
    void showRunning(ServiceCommands::Command command);
    void commitPowerBoxes();
    void showLowVoltageWarning();

    ServiceCommands& m_commands;
    QGroupBox* m_powerGroup = nullptr;
    QLabel* m_lowPowerLabel = nullptr;
    QLabel* m_highPowerLabel = nullptr;
    QLabel* m_lowVoltageLabel = nullptr;
    PowerSpinBox* m_lowPowerBox = nullptr;
    PowerSpinBox* m_highPowerBox = nullptr;
    QComboBox* m_lowVoltageBox = nullptr;
    QPushButton* m_readButton = nullptr;
    QPushButton* m_writeButton = nullptr;
    QPushButton* m_agingButton = nullptr;
    QLabel* m_lowVoltageWarning = nullptr;
    CalibrationReading m_reading;
    Language m_language = Language::Chinese;
};

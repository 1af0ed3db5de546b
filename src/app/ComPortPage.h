#pragma once

#include "link/ComPortDevices.h"
#include "workspace/Language.h"

#include <QTimer>
#include <QWidget>

#include <array>

class ComPortPageState;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

// The COM port page: the four COM port buttons, each with the device it stands for on this
// machine, the serial devices present (looked at again every second while the page is
// shown), and the buttons that tie the checked COM port to the selected device or forget
// that tie. What it shows comes from ComPortPageState.
class ComPortPage : public QWidget
{
    Q_OBJECT

public:
    static constexpr int PortCount = ComPortDevices::PortCount;
    static constexpr int RefreshIntervalMs = 1000;

    explicit ComPortPage(ComPortPageState& state, QWidget* parent = nullptr);

    QRadioButton* portButton(int portNumber) const { return m_buttons[portNumber - 1]; }
    QListWidget* deviceList() const { return m_deviceList; }
    QPushButton* useButton() const { return m_useButton; }
    QPushButton* forgetButton() const { return m_forgetButton; }
    QLabel* suggestionLabel() const { return m_suggestion; }
    QString portLineText(int portNumber) const;

    // Checks the button of a port 1 to 4, as a click would; other numbers check nothing.
    void checkPort(int portNumber);
    // The port whose button is checked.
    int checkedPort() const;
    void setLanguage(Language language);
    // Looks at the devices present again and shows what each port leads to.
    void refreshDevices();

signals:
    // A button went from unchecked to checked.
    void portChosen(int portNumber);
    void useRequested(int portNumber, int deviceIndex);
    void forgetRequested(int portNumber);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void showState();

    ComPortPageState& m_state;
    Language m_language = Language::Chinese;
    std::array<QRadioButton*, PortCount> m_buttons{};
    std::array<QLabel*, PortCount> m_deviceLabels{};
    QLabel* m_listCaption = nullptr;
    QListWidget* m_deviceList = nullptr;
    QLabel* m_suggestion = nullptr;
    QPushButton* m_useButton = nullptr;
    QPushButton* m_forgetButton = nullptr;
    QTimer m_refreshTimer;
};

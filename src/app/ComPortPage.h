#pragma once

#include <QWidget>

#include <array>

class ComPortDevices;
class QLabel;
class QRadioButton;

// The COM port page: the four COM port buttons, each with the device it stands
// for on this machine.
class ComPortPage : public QWidget
{
    Q_OBJECT

public:
    static constexpr int PortCount = 4;

    ComPortPage(const ComPortDevices& devices, QWidget* parent = nullptr);

    QRadioButton* portButton(int portNumber) const { return m_buttons[portNumber - 1]; }
    // Checks the button of a port 1 to 4, as a click would; other numbers check nothing.
    void checkPort(int portNumber);
    // Shows again which device each port stands for (links may have changed).
    void refreshDevices();

signals:
    // A button went from unchecked to checked.
    void portChosen(int portNumber);

protected:
    void showEvent(QShowEvent* event) override;

private:
    const ComPortDevices& m_devices;
    std::array<QRadioButton*, PortCount> m_buttons{};
    std::array<QLabel*, PortCount> m_deviceLabels{};
};

#pragma once

#include <QSpinBox>

// A power box of the service page: takes the digits 0 to 9 only, at most three of them,
// and lets the user type past 255; the value is clamped to 0 to 255 (an empty box to 0)
// when the box is left, Enter is pressed or interpretText() is called.
class PowerSpinBox : public QSpinBox
{
    Q_OBJECT

public:
    explicit PowerSpinBox(QWidget* parent = nullptr);

    // Shows a value that came from elsewhere, without reporting it back as the user's.
    // Text being typed that already stands for the value is left as typed.
    void showValue(int value);

protected:
    QValidator::State validate(QString& input, int& position) const override;
    void fixup(QString& input) const override;
    int valueFromText(const QString& text) const override;
    QString textFromValue(int value) const override;
};

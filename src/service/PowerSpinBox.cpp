#include "service/PowerSpinBox.h"

#include "service/PowerCalibration.h"

#include <QSignalBlocker>

PowerSpinBox::PowerSpinBox(QWidget* parent) : QSpinBox(parent)
{
    setRange(0, PowerCalibration::MaxPower);
}

void PowerSpinBox::showValue(int value)
{
    // An empty box still holds its old value until it is left: it stands for nothing yet.
    if (value == this->value() && !cleanText().isEmpty())
        return;
    const QSignalBlocker quiet(this);
    setValue(value);
}

QValidator::State PowerSpinBox::validate(QString& input, int& position) const
{
    Q_UNUSED(position)
    if (!PowerCalibration::acceptsPowerText(input))
        return QValidator::Invalid;
    // Empty is allowed while typing; leaving the box turns it into 0.
    return input.isEmpty() ? QValidator::Intermediate : QValidator::Acceptable;
}

void PowerSpinBox::fixup(QString& input) const
{
    input = QString::number(PowerCalibration::clampedPower(input));
}

int PowerSpinBox::valueFromText(const QString& text) const
{
    return PowerCalibration::clampedPower(text);
}

QString PowerSpinBox::textFromValue(int value) const
{
    // Plain digits whatever the locale: no group separator, no other script.
    return QString::number(value);
}

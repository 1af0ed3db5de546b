#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;
class Workspace;

// Asks for the start frequency and the step with which to fill channels firstRow to
// lastRow.
class FillFrequenciesDialog : public QDialog
{
    Q_OBJECT

public:
    FillFrequenciesDialog(const Workspace& workspace, int firstRow, int lastRow,
                          QWidget* parent = nullptr);

    QString startText() const;
    // In the 10 Hz units of FrequencyNormaliser.
    qint64 step() const;

    QLineEdit* startEdit() const { return m_start; }
    QComboBox* stepList() const { return m_steps; }

private:
    QLineEdit* m_start;
    QComboBox* m_steps;
};

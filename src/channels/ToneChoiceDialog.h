#pragma once

#include <QDialog>

class QComboBox;
class Workspace;

// Asks for one tone (receive or transmit, by `column`) for channels firstRow to lastRow.
class ToneChoiceDialog : public QDialog
{
    Q_OBJECT

public:
    ToneChoiceDialog(const Workspace& workspace, int firstRow, int lastRow, int column,
                     QWidget* parent = nullptr);

    // The tone list's entry chosen.
    QString tone() const;
    QComboBox* toneList() const { return m_tones; }

private:
    QComboBox* m_tones;
};

#pragma once

#include <QDialog>

class LanguageTable;
class QLabel;
class QProgressBar;
class QPushButton;
class QStatusBar;

// The small window that shows the progress of a read or a write. It lives as long as the
// program; Tag says which procedure its start button runs (1 read, 2 write).
class ReadWriteDialog : public QDialog
{
    Q_OBJECT

public:
    enum Procedure : int { ReadProcedure = 1, WriteProcedure = 2 };

    explicit ReadWriteDialog(QWidget* parent = nullptr);

    int Tag = 0;

    QLabel* percentLabel() const { return m_percent; }
    QProgressBar* progressBar() const { return m_progress; }
    QPushButton* startButton() const { return m_start; }
    QPushButton* exitButton() const { return m_exit; }
    QStatusBar* statusBar() const { return m_status; }
    QLabel* statusPanel() const { return m_statusPanel; }

    // Sets the bar and the label ("35%").
    void setProgress(int percent);

    void applyCaptions(const LanguageTable& table);

private:
    QLabel* m_percent;
    QProgressBar* m_progress;
    QPushButton* m_start;
    QPushButton* m_exit;
    QStatusBar* m_status;
    QLabel* m_statusPanel;
};

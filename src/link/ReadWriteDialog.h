#pragma once

#include "link/ReadWriteSession.h"
#include "link/ReadWriteView.h"

#include <QDialog>
#include <QPointer>

class LanguageTable;
class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QStatusBar;
class RadioProgressRows;

// The small window that shows the progress of a read or a write. It lives as long as the
// program; its session decides what the start button runs and whether it may close.
class ReadWriteDialog : public QDialog, public ReadWriteView
{
    Q_OBJECT

public:
    explicit ReadWriteDialog(QWidget* parent = nullptr);

    // The start button runs the session; closing asks it first and tells it afterwards.
    void setSession(ReadWriteSession* session);
    ReadWriteSession* session() const { return m_session; }

    QLabel* percentLabel() const { return m_percent; }
    QProgressBar* progressBar() const { return m_progress; }
    QPushButton* startButton() const { return m_start; }
    QPushButton* exitButton() const { return m_exit; }
    QStatusBar* statusBar() const { return m_status; }
    QLabel* statusPanel() const { return m_statusPanel; }
    // How the last run failed, with a warning sign; hidden after one that went well.
    QLabel* outcomeIcon() const { return m_outcomeIcon; }
    QLabel* outcomeLabel() const { return m_outcome; }
    // A write's checks: read the radio into a backup first, read it back afterwards.
    QCheckBox* backupCheckBox() const { return m_backup; }
    QCheckBox* verifyCheckBox() const { return m_verify; }
    // Off unless the user checks it: a write goes to every radio connected on a COM port at
    // once, each with the checks above, a bar of its own and its result.
    QCheckBox* everyRadioCheckBox() const { return m_everyRadio; }
    RadioProgressRows* radioRows() const { return m_radioRows; }
    // A row for each radio a write to every radio runs on; none takes them away. The
    // dialog grows to hold them.
    void showRadioRows(const QStringList& names);

    // The check boxes are there for a write only: a read needs neither.
    void showWriteChecks(bool shown);
    // The status line: the stage a run is in, or how it ended. Empty: the usual caption.
    void setStatusText(const QString& text);
    // After a run that failed: the stage it failed in takes the percentage's place, and
    // what it left behind stands under the buttons, until the next run starts.
    void showFailure(const QString& stage, const QString& detail);

    // Sets the bar and the label ("35%"); a run starting takes the last one's failure away.
    void setProgress(int percent) override;
    void setCaptions(const QString& caption, const QString& startCaption) override;
    void showDialog() override;
    void setStartEnabled(bool enabled) override;

    void applyCaptions(const LanguageTable& table);

    // Every way of closing (exit button, close box, Escape) ends here; while a run is
    // going the dialog stays.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void layOut();

    QLabel* m_percent;
    QProgressBar* m_progress;
    QPushButton* m_start;
    QPushButton* m_exit;
    QStatusBar* m_status;
    QLabel* m_statusPanel;
    QLabel* m_outcomeIcon;
    QLabel* m_outcome;
    QCheckBox* m_backup;
    QCheckBox* m_verify;
    QCheckBox* m_everyRadio;
    RadioProgressRows* m_radioRows;
    QString m_statusCaption;
    QPointer<ReadWriteSession> m_session;
};

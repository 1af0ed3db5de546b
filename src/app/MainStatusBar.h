#pragma once

#include "workspace/Language.h"

#include <QStatusBar>
#include <QString>
#include <QTimer>

class LanguageTable;
class Localisation;
class QLabel;
class TransferWarning;

// The main window's status bar: its usual text, the reports that say for a few seconds what
// a command did, and the standing warning after a read or a write that failed.
class MainStatusBar : public QStatusBar
{
    Q_OBJECT

public:
    MainStatusBar(const Localisation& localisation, QWidget* parent = nullptr);

    QLabel* panel() const { return m_panel; }
    // The standing warning, made the first time it is needed: most sessions never show one,
    // and every widget in the window, hidden or not, is styled when the window comes up.
    TransferWarning* transferWarning();
    // The language of the warning, whether it has been made yet or not.
    void setWarningLanguage(Language language);

    // Says what a command did for a few seconds, then the usual text comes back.
    void report(const QString& text);
    void applyCaptions(const LanguageTable& table);

    // What came of the running read's or write's backup or check, for its report.
    void noteTransfer(const QString& note) { m_transferNote = note; }
    // A read or a write has ended: one that went through is reported with its note
    // ("Read 16 channels from COM1 — Backup saved: …"); the note goes either way.
    void transferEnded(bool wentThrough, bool read, int channels, int portNumber,
                       Language language);

private:
    const Localisation& m_localisation;
    QLabel* m_panel;
    TransferWarning* m_transferWarning = nullptr;
    Language m_warningLanguage = Language::Chinese;
    QTimer m_reportTimer;
    QString m_transferNote;
};

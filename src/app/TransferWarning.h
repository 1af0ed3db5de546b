#pragma once

#include "backups/TransferOutcome.h"
#include "workspace/Language.h"

#include <QWidget>

#include <optional>

class QLabel;

// The main window's standing word on a read or a write that failed: a warning sign and a
// short text in the status bar, the stage and what the run left behind when the mouse rests
// on it. It stays through every other report until a read or a write succeeds.
class TransferWarning : public QWidget
{
    Q_OBJECT

public:
    explicit TransferWarning(QWidget* parent = nullptr);

    // How the last run ended: a failure stands from now on, a success takes it away.
    void setOutcome(const TransferOutcome& outcome, Language language);
    void setLanguage(Language language);

    QLabel* textLabel() const { return m_text; }
    // The failure on show, if any.
    const std::optional<TransferOutcome>& outcome() const { return m_outcome; }

private:
    void showOutcome();

    QLabel* m_icon;
    QLabel* m_text;
    std::optional<TransferOutcome> m_outcome;
    Language m_language = Language::Chinese;
};

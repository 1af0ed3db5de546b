#pragma once

#include "link/ProgressDisplay.h"

#include <QString>

#include <cstdio>

// How far a transfer has come, on standard error and only when that is a terminal (and
// the user did not ask for quiet): a script that captures the output gets none of it.
class TerminalProgress : public ProgressDisplay
{
public:
    TerminalProgress(FILE* stream, bool quiet);
    ~TerminalProgress() override;
    TerminalProgress(const TerminalProgress&) = delete;
    TerminalProgress& operator=(const TerminalProgress&) = delete;

    bool shown() const { return m_shown; }
    // What the next transfer is, such as "Reading COM1"; it starts a new line.
    void setStage(const QString& stage);
    void setProgress(int percent) override;
    // Ends a progress line that is showing, so that the next text starts on its own line.
    void endLine();

private:
    FILE* m_stream;
    bool m_shown = false;
    QString m_stage;
    bool m_lineOpen = false;
};

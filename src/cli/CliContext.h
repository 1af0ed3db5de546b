#pragma once

#include "cli/CommandLine.h"
#include "cli/RecordedMessages.h"
#include "cli/TerminalProgress.h"
#include "workspace/Localisation.h"
#include "workspace/Messenger.h"
#include "workspace/Workspace.h"

#include <QString>
#include <QTextStream>

// What every command works with: the program folder, the window's data as a plain
// workspace in the language asked for (the band list and selected band read from the
// window's settings file, which the command line never writes), the core's messages, the
// output streams and the progress display.
class CliContext
{
public:
    CliContext(const QString& programFolder, const CommandLine& line);

    const QString& programFolder() const { return m_programFolder; }
    // Where the window keeps qv3307.ini for this user (read here, never written).
    const QString& settingsFolder() const { return m_settingsFolder; }
    const CommandLine& line() const { return m_line; }
    Language language() const { return m_language; }

    Workspace& workspace() { return m_workspace; }
    const Workspace& workspace() const { return m_workspace; }
    Localisation& localisation() { return m_localisation; }
    Messenger& messenger() { return m_messenger; }
    RecordedMessages& messages() { return m_messages; }
    TerminalProgress& progress() { return m_progress; }

    // The texts of the language in use.
    QString text(int number) const { return m_localisation.applied().string(number); }
    QString say(const QString& english, const QString& chinese) const;

    QTextStream& out() { return m_out; }
    // A note on standard error, left out with -q.
    void note(const QString& text);
    // An error on standard error, always shown.
    void error(const QString& text);

    // Puts the language in use back on the workspace after a channel file switched it.
    void restoreLanguage();

private:
    void restoreStoredBands();

    QString m_programFolder;
    QString m_settingsFolder;
    CommandLine m_line;
    Workspace m_workspace;
    RecordedMessages m_messages;
    Messenger m_messenger{m_messages, m_workspace};
    Localisation m_localisation;
    Language m_language = Language::Chinese;
    TerminalProgress m_progress;
    QTextStream m_out{stdout};
    QTextStream m_err{stderr};
};

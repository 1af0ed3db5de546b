#pragma once

#include "cli/CommandLine.h"
#include "cli/ExitStatus.h"
#include "cli/RecordedMessages.h"
#include "cli/StandardOutput.h"
#include "cli/StopSignals.h"
#include "cli/TerminalProgress.h"
#include "link/Link.h"
#include "workspace/FileIo.h"
#include "workspace/Localisation.h"
#include "workspace/Messenger.h"
#include "workspace/Workspace.h"

#include <QString>
#include <QTextStream>

#include <functional>
#include <memory>
#include <optional>

class FleetRun;

// What every command works with: the program folder, the window's data as a plain
// workspace in the language asked for (the band list and selected band read from the
// window's settings file, which the command line never writes), the core's messages, the
// output streams and the progress display, and for a command that uses the radio the
// watch for Ctrl+C.
class CliContext
{
public:
    // `testWaits`: only from a test build of the command line (CliProgram::main).
    CliContext(const QString& programFolder, const CommandLine& line,
               std::optional<Link::WaitLengths> testWaits = std::nullopt);

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

    QTextStream& out() { return m_out; }
    // Bytes as they are on standard output (a file written to "-"), after the text before.
    void writeOutput(const QByteArray& bytes);
    // Standard input, read whole the first time it is asked for (a file read from "-").
    const FileIo::ReadOutcome& standardInput() const;
    // Sends what is left of the output. When some of it could not be written, says why and
    // turns a status that reports success or differences into FileProblem: the caller did
    // not get what the status promises.
    ExitStatus finishOutput(ExitStatus status);
    // A note on standard error, left out with -q.
    void note(const QString& text);
    // An error on standard error, always shown.
    void error(const QString& text);
    // The last error said, for the JSON document of a command that failed.
    const QString& lastError() const { return m_lastError; }

    // Puts the language in use back on the workspace after a channel file switched it.
    void restoreLanguage();

    // Whether Ctrl+C (or SIGTERM, SIGHUP) came during a command that uses the radio.
    bool interrupted() const;
    // Interrupts the link's exchange at the first stop signal, or at once when one came.
    void interruptOnStop(Link& link);
    // Calls `stop` (in `receiver`'s thread) at the first stop signal, or at once when one
    // came.
    void onStop(QObject* receiver, const std::function<void()>& stop);
    // For a command that uses the radio: waits for a line on standard input; nothing at
    // its end or when a stop signal comes.
    std::optional<QByteArray> readInputLine();

    // The link, or every link of the fleet, runs its waits as a test build asked; without
    // one they keep the real waits.
    void applyTestWaits(Link& link) const;
    void applyTestWaits(FleetRun& fleet) const;

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
    std::unique_ptr<StopSignals> m_stopSignals;
    StandardOutput m_standardOutput;
    QTextStream m_out{&m_standardOutput};
    mutable std::optional<FileIo::ReadOutcome> m_standardInput;
    QTextStream m_err{stderr};
    QString m_lastError;
    std::optional<Link::WaitLengths> m_testWaits;
};

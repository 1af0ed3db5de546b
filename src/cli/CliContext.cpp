#include "cli/CliContext.h"

#include "backups/FleetRun.h"
#include "link/Link.h"
#include "workspace/IoErrorText.h"

#include "workspace/SettingsFile.h"
#include "workspace/SettingsLocation.h"
#include <unistd.h>

CliContext::CliContext(const QString& programFolder, const CommandLine& line,
                       std::optional<Link::WaitLengths> testWaits)
    : m_programFolder(programFolder),
      m_settingsFolder(SettingsLocation::folderToRead(programFolder)), m_line(line),
      m_localisation(m_workspace, programFolder), m_progress(stderr, line.quiet),
      m_testWaits(testWaits)
{
    if (line.language) {
        m_language = *line.language;
    } else {
        // As the window starts: the installer's log decides, and without one the built-in
        // Chinese texts are used.
        if (!m_localisation.chooseStartupLanguage(m_messenger))
            note(m_messages.lastError());
        m_messages.clear();
        m_language = m_workspace.checkedLanguage;
    }
    restoreLanguage();
    restoreStoredBands();
    // Only a radio command has an exchange worth ending in order; the others end at once,
    // as programs do.
    if (line.usesRadio())
        m_stopSignals = std::make_unique<StopSignals>();
}

void CliContext::restoreStoredBands()
{
    const StoredChoices stored = StoredChoices::read(SettingsFile(m_settingsFolder));
    for (const QString& band : stored.bands)
        m_workspace.bands.append(band);
    m_workspace.bands.select(stored.bandIndex());
}

void CliContext::restoreLanguage()
{
    if (!m_localisation.hasApplied() || m_workspace.checkedLanguage != m_language)
        m_localisation.switchLanguage(m_language);
}

void CliContext::note(const QString& text)
{
    if (m_line.quiet)
        return;
    m_progress.endLine();
    m_out.flush();
    m_err << text << Qt::endl;
}

void CliContext::error(const QString& text)
{
    m_lastError = text;
    m_progress.endLine();
    m_out.flush();
    m_err << "qv3307-cli: " << text << Qt::endl;
}

bool CliContext::interrupted() const
{
    return m_stopSignals && m_stopSignals->requested();
}

void CliContext::interruptOnStop(Link& link)
{
    onStop(&link, [&link] { link.interrupt(); });
}

void CliContext::onStop(QObject* receiver, const std::function<void()>& stop)
{
    if (!m_stopSignals)
        return;
    QObject::connect(m_stopSignals.get(), &StopSignals::stopRequested, receiver, stop);
    if (m_stopSignals->requested())
        stop();
}

std::optional<QByteArray> CliContext::readInputLine()
{
    // Only the commands that use the radio ask.
    return m_stopSignals ? m_stopSignals->readLine(STDIN_FILENO) : std::nullopt;
}

void CliContext::writeOutput(const QByteArray& bytes)
{
    m_out.flush();
    m_standardOutput.write(bytes);
}

const FileIo::ReadOutcome& CliContext::standardInput() const
{
    if (!m_standardInput)
        m_standardInput = FileIo::readDescriptor(STDIN_FILENO);
    return *m_standardInput;
}

ExitStatus CliContext::finishOutput(ExitStatus status)
{
    m_out.flush();
    const int failure = m_standardOutput.error();
    if (failure == 0)
        return status;
    error(inLanguage(m_language, QStringLiteral("cannot write to standard output: %1"),
                     QStringLiteral("无法写入标准输出：%1"))
              .arg(ioErrorCause(failure, QStringLiteral("-"), m_language)));
    return status == ExitStatus::Done || status == ExitStatus::Differences ? ExitStatus::FileProblem
                                                                           : status;
}

void CliContext::applyTestWaits(Link& link) const
{
    if (m_testWaits)
        link.setWaitLengthsForTests(*m_testWaits);
}

void CliContext::applyTestWaits(FleetRun& fleet) const
{
    if (m_testWaits)
        fleet.setWaitLengthsForTests(*m_testWaits);
}

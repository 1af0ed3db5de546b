#include "cli/CliContext.h"

#include "cli/Wording.h"
#include "workspace/SettingsFile.h"
#include "workspace/SettingsLocation.h"

CliContext::CliContext(const QString& programFolder, const CommandLine& line)
    : m_programFolder(programFolder),
      m_settingsFolder(SettingsLocation::folderToRead(programFolder)), m_line(line),
      m_localisation(m_workspace, programFolder), m_progress(stderr, line.quiet)
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

QString CliContext::say(const QString& english, const QString& chinese) const
{
    return wording(m_language, english, chinese);
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
    m_progress.endLine();
    m_out.flush();
    m_err << "qv3307-cli: " << text << Qt::endl;
}

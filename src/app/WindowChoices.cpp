#include "app/WindowChoices.h"

#include "link/ComPortChoices.h"
#include "link/Link.h"
#include "workspace/SettingsFile.h"
#include "workspace/Workspace.h"

WindowChoices::WindowChoices(SettingsFile& file, Workspace& workspace, Link& link,
                             ComPortChoices& portChoices)
    : m_file(file), m_workspace(workspace), m_link(link), m_portChoices(portChoices)
{
}

void WindowChoices::restore(const StoredChoices& stored)
{
    EditorState& editor = m_workspace.editor;
    editor.startingUp = true;
    m_portChoices = ComPortChoices::read(m_file, {1, 2, 3, 4, stored.port});
    m_link.setPortNumber(stored.port);
    for (const QString& band : stored.bands)
        m_workspace.bands.append(band);
    m_workspace.bands.select(stored.bandIndex());
    editor.startingUp = false;
}

void WindowChoices::store() const
{
    StoredChoices choices;
    choices.port = m_link.portNumber();
    choices.skin = m_workspace.themeIndex();
    choices.selectedBand = m_workspace.bands.selectedIndex();
    choices.bands = m_workspace.bands.entries();
    if (!choices.write(m_file))
        qWarning("Could not write %s", qPrintable(m_file.path()));
}

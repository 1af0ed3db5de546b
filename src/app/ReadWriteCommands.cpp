#include "app/ReadWriteCommands.h"

#include "channels/ChannelEditor.h"
#include "link/ReadProcedure.h"
#include "link/ReadWriteDialog.h"
#include "link/WriteProcedure.h"
#include "workspace/LanguageStrings.h"
#include "workspace/Localisation.h"

#include <QWidget>

ReadWriteCommands::ReadWriteCommands(ReadWriteDialog& dialog, QWidget& mainWindow,
                                     Workspace& workspace, Link& link, Messenger& messenger,
                                     ChannelEditor& editor, const Localisation& localisation)
    : QObject(&dialog), m_localisation(localisation)
{
    const auto read = [&workspace](RadioExchange& exchange) {
        return ReadProcedure(workspace, exchange).run();
    };
    const auto write = [&workspace, &messenger](RadioExchange& exchange) {
        return WriteProcedure(workspace, exchange, messenger).run();
    };
    const auto enableMainWindow = [&mainWindow, &dialog](bool enabled) {
        mainWindow.setEnabled(enabled);
        // The dialog is a child of the main window, and disabling a widget disables its
        // child windows with it.
        dialog.setEnabled(true);
    };
    m_session = new ReadWriteSession(
        link, messenger, dialog, read, write, [&editor] { return editor.commitEditedCell(); },
        enableMainWindow, this);
    dialog.setSession(m_session);
}

void ReadWriteCommands::readCommand()
{
    command(ReadWriteSession::Read);
}

void ReadWriteCommands::writeCommand()
{
    command(ReadWriteSession::Write);
}

// The window takes the caption of the menu's Read or Write icon, the start button that of
// the service page's read or write button.
void ReadWriteCommands::command(ReadWriteSession::Procedure procedure)
{
    using namespace LanguageString;
    const bool reading = procedure == ReadWriteSession::Read;
    const LanguageTable& captions = m_localisation.applied();
    m_session->command(procedure, captions.string(reading ? Read : Write),
                       captions.string(reading ? PowerRead : PowerWrite));
}

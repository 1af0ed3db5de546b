#include "app/ReadWriteCommands.h"

#include "app/IconButton.h"
#include "app/MainWindow.h"
#include "app/MenuPages.h"
#include "channels/ChannelEditor.h"
#include "link/ReadWriteDialog.h"
#include "workspace/LanguageStrings.h"

#include <QLabel>

ReadWriteCommands::ReadWriteCommands(MainWindow& window, ReadWriteDialog& dialog)
    : QObject(&dialog), m_window(window)
{
    ChannelEditor& editor = window.channelEditor();
    const auto enableMainWindow = [&window, &dialog](bool enabled) {
        window.setEnabled(enabled);
        // The dialog is a child of the main window, and disabling a widget disables its
        // child windows with it.
        dialog.setEnabled(true);
    };
    m_session = new ReadWriteSession(
        window.workspace(), window.link(), window.messenger(), dialog,
        [&editor] { return editor.sendallcell(); }, enableMainWindow, this);
    dialog.setSession(m_session);

    connect(window.menuPages()->readButton(), &IconButton::clicked, this,
            &ReadWriteCommands::readCommand);
    connect(window.menuPages()->writeButton(), &IconButton::clicked, this,
            &ReadWriteCommands::writeCommand);
}

void ReadWriteCommands::readCommand()
{
    m_session->command(ReadWriteSession::Read, m_window.menuPages()->readButton()->label()->text(),
                       startCaption(ReadWriteSession::Read));
}

void ReadWriteCommands::writeCommand()
{
    m_session->command(ReadWriteSession::Write,
                       m_window.menuPages()->writeButton()->label()->text(),
                       startCaption(ReadWriteSession::Write));
}

// The service page's read and write buttons carry these captions.
QString ReadWriteCommands::startCaption(ReadWriteSession::Procedure procedure) const
{
    const bool reading = procedure == ReadWriteSession::Read;
    return m_window.localisation().applied().string(reading ? LanguageString::PowerRead
                                                            : LanguageString::PowerWrite);
}

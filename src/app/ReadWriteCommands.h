#pragma once

#include "link/ReadWriteSession.h"

#include <QObject>

class ChannelEditor;
class Link;
class Localisation;
class Messenger;
class QWidget;
class ReadWriteDialog;
class Workspace;

// The main window's read and write commands: they run the read/write session on the
// dialog, with the read and write procedures on the workspace, and hand the dialog its
// captions: the Read or Write caption for the window, the service page's read or write
// caption for the start button. It lives with the dialog.
class ReadWriteCommands : public QObject
{
    Q_OBJECT

public:
    ReadWriteCommands(ReadWriteDialog& dialog, QWidget& mainWindow, Workspace& workspace,
                      Link& link, Messenger& messenger, ChannelEditor& editor,
                      const Localisation& localisation);

    ReadWriteSession& session() { return *m_session; }

    void readCommand();
    void writeCommand();

private:
    void command(ReadWriteSession::Procedure procedure);

    const Localisation& m_localisation;
    ReadWriteSession* m_session = nullptr;
};

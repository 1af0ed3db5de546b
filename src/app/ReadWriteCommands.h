#pragma once

#include "link/ReadWriteSession.h"

#include <QObject>
#include <QPointer>

class MainWindow;
class ReadWriteDialog;

// Wires the main window's read and write icons to the read/write session and hands the
// session the dialog's captions: the read or write label's caption for the window, the
// service page's read or write caption for the start button. It lives with the dialog.
class ReadWriteCommands : public QObject
{
    Q_OBJECT

public:
    ReadWriteCommands(MainWindow& window, ReadWriteDialog& dialog);

    ReadWriteSession& session() { return *m_session; }

    void readCommand();
    void writeCommand();

private:
    QString startCaption(ReadWriteSession::Procedure procedure) const;

    MainWindow& m_window;
    ReadWriteSession* m_session = nullptr;
};

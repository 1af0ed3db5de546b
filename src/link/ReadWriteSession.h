#pragma once

#include "link/RadioExchange.h"

#include <QObject>
#include <QString>

#include <functional>

class Link;
class Messenger;
class ReadWriteView;

// The read and write commands of the main window and the life of the read/write dialog
// they open: the command checks the link's chosen port and shows the dialog with the port
// open and the main window disabled; the start button runs the read or the write the
// command chose, as often as the user presses it; closing, refused while a run is going,
// enables the main window and releases the port.
class ReadWriteSession : public QObject
{
    Q_OBJECT

public:
    enum Procedure : int { None = 0, Read = 1, Write = 2 };

    // Commits the cell being edited; false when the command must not go on.
    using CommitCell = std::function<bool()>;
    using EnableMainWindow = std::function<void(bool enabled)>;
    // Runs the read or the write over an exchange the session has prepared.
    using Transfer = std::function<RadioExchange::Result(RadioExchange& exchange)>;

    ReadWriteSession(Link& link, Messenger& messenger, ReadWriteView& view, Transfer read,
                     Transfer write, CommitCell commitCell, EnableMainWindow enableMainWindow,
                     QObject* parent = nullptr);

    // The procedure the start button runs.
    Procedure procedure() const { return m_procedure; }

    // The read command (Read) or the write command (Write), with the dialog's captions.
    void command(Procedure procedure, const QString& caption, const QString& startCaption);
    // The start button.
    void start();

    bool running() const { return m_running; }
    // Whether the dialog may close now: not while a run is going, unless the application
    // is quitting; its waits then end and the run stops where it is.
    bool canClose() const { return !m_running || m_applicationQuitting; }
    // The dialog has closed.
    void closed();

protected:
    // Notes the application's quit, which first asks every window to close.
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    // A run has ended, however it went (not when the application is closing).
    void finished(RadioExchange::Result result);

private:
    RadioExchange::Result run();

    Link& m_link;
    Messenger& m_messenger;
    ReadWriteView& m_view;
    Transfer m_read;
    Transfer m_write;
    CommitCell m_commitCell;
    EnableMainWindow m_enableMainWindow;
    Procedure m_procedure = None;
    bool m_running = false;
    bool m_applicationQuitting = false;
};

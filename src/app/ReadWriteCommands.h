#pragma once

#include "backups/TransferOutcome.h"
#include "link/ReadWriteSession.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class ChannelEditor;
class ComPortDevices;
class Link;
class Localisation;
class Messenger;
class QWidget;
class ReadWriteDialog;
class SettingsFile;
class Workspace;
struct SafeWriteOutcome;

// The main window's read and write commands: they run the read/write session on the
// dialog, with the read and write procedures on the workspace, and hand the dialog its
// captions: the Read or Write caption for the window, the service page's read or write
// caption for the start button. Every complete read is also saved to the backups folder;
// a write runs with the checks the dialog's boxes ask for (a backup first, a read-back
// after), and the boxes are remembered in qv3307.ini once the user changes one; the box
// for a write to every connected radio is not remembered, and starts cleared. A run that
// failed shows its stage in the dialog until the next run starts. It lives with the dialog.
class ReadWriteCommands : public QObject
{
    Q_OBJECT

public:
    // Hands the main window a word on a run's backup or check, for its status report.
    using NoteOutcome = std::function<void(const QString& text)>;
    // The channel file the grid holds as it was opened or saved; empty when none does.
    using FileInGrid = std::function<QString()>;

    static inline const QString SettingsSection = QStringLiteral("safewrite");
    static inline const QString BackupKey = QStringLiteral("backup");
    static inline const QString VerifyKey = QStringLiteral("verify");

    ReadWriteCommands(ReadWriteDialog& dialog, QWidget& mainWindow, Workspace& workspace,
                      Link& link, const ComPortDevices& devices, Messenger& messenger,
                      ChannelEditor& editor, const Localisation& localisation,
                      SettingsFile& settingsFile, NoteOutcome noteOutcome, FileInGrid fileInGrid);

    ReadWriteSession& session() { return *m_session; }

    void readCommand();
    void writeCommand();

signals:
    // A read or a write has ended, however it went (not when the application is closing).
    void ended(const TransferOutcome& outcome);

private:
    void command(ReadWriteSession::Procedure procedure);
    RadioExchange::Result read(RadioExchange& exchange);
    RadioExchange::Result write(RadioExchange& exchange);
    void tellOutcome(const SafeWriteOutcome& outcome);
    // The stage and the words of a run that failed, in the dialog.
    void showFailure();
    void rememberChecks(SettingsFile& settingsFile);

    ReadWriteDialog& m_dialog;
    Workspace& m_workspace;
    Link& m_link;
    const ComPortDevices& m_devices;
    Messenger& m_messenger;
    const Localisation& m_localisation;
    NoteOutcome m_noteOutcome;
    FileInGrid m_fileInGrid;
    ReadWriteSession* m_session = nullptr;
    // How the run going or last ended went; none while it goes, or after a quit.
    std::optional<TransferOutcome> m_outcome;
};

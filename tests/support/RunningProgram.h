#pragma once

#include "app/IconButton.h"
#include "app/MainWindow.h"
#include "app/Skins.h"
#include "app/ThemedMessageBoxes.h"
#include "link/ReadWriteDialog.h"
#include "workspace/Language.h"

#include "RadioFaults.h"
#include "RadioSimulator.h"
#include "support/RecordingMessageLibrary.h"
#include "support/ScriptedFileDialogs.h"
#include "support/TemporaryHome.h"
#include "support/TemporaryProgramFolder.h"
#include "support/TestWaits.h"

#include <QList>
#include <QPoint>
#include <QPointer>
#include <QStringList>
#include <QUrl>

#include <memory>

// What the program finds in its folder, and what stands in for the world outside it.
struct ProgramOptions
{
    // The shipped companion files: language tables, install.Log, skins and help.
    bool companionFiles = true;
    // The language install.Log starts the program in; the shipped log names English.
    Language language = Language::English;
    // qv3307.ini as the program finds it; none when null.
    QByteArray settingsFile;
    // A simulated radio on COM1, holding `radioImage` and misbehaving as `radioFaults` say.
    bool radio = false;
    QByteArray radioImage;
    RadioFaults radioFaults;
    // The mouse stands where RunningProgram::mouse says rather than at the real cursor.
    bool scriptedMouse = false;
    // The program's own message boxes rather than the recorder.
    bool themedMessageBoxes = false;
    // The main window is shown as soon as it is built.
    bool show = true;
    // The read/write dialog is made with the window, for `dialog` to reach it; without, the
    // program makes it when a read or a write first needs it, as it does on its own.
    bool readWriteDialog = true;
    // The read/write dialog's boxes for a backup before a write and a check after it stay
    // as qv3307.ini says (checked unless it says otherwise); without, both are cleared
    // (not remembered), so that a write is the plain write alone.
    bool writeChecks = false;
    // How long the link's two waits run (Link::setWaitLengthsForTests): long enough for a
    // prompt radio however slow the build; TestWaits::Short for a table whose rows mostly
    // end with a silent radio, which then fails sooner; the real 250 and 550 ms
    // (Link::WaitLengths{}) for rows that test them.
    Link::WaitLengths linkWaits = TestWaits::Prompt;

    static ProgramOptions withRadio(const QByteArray& image, const RadioFaults& faults = {},
                                    Language language = Language::English);
};

// The program as main() builds it, on a temporary program folder, with its read/write
// dialog made at once rather than when first needed, so that tests can reach it. Message boxes are
// recorded (unless the options ask for the real ones), the file dialogs answer from a script and
// documents the program opens (the help) are noted instead of shown.
struct RunningProgram
{
    explicit RunningProgram(const ProgramOptions& options = {});
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    // Builds the windows again on the same folder, as a second run of the program does.
    void start();
    // Closes the program, which writes qv3307.ini, and returns what the file then holds.
    QByteArray exitAndReadSettingsFile();

    // Stands in for /dev/serial/by-id: a link made there is a cable plugged in.
    QString serialByIdFolder() const { return folder.filePath("serial-by-id"); }
    // Whether the simulated radio is there, with COM1 leading to it.
    bool radioStarted() const { return m_radioStarted; }
    Workspace& workspace() { return window->workspace(); }
    // Runs a read or a write the way the user does: the command, then (when the dialog came
    // up) its start button, waiting for the run to end, then its close button.
    void readOrWrite(IconButton* command);
    // The same from the menu button itself, which must bring up the dialog; the dialog
    // stays open when the run has ended.
    void runFromMenu(IconButton* command);
    // The eight field texts of a row.
    QStringList row(int row);

    RadioSimulator radio;
    TemporaryProgramFolder folder;
    // HOME and XDG_DATA_HOME while the program runs: the backups go below it.
    TemporaryHome home;
    QString backupFolder() const { return home.backupFolder(); }
    RecordingMessageLibrary messages;
    ScriptedFileDialogs fileDialogs;
    // Where the mouse is, in the window's client coordinates (with a scripted mouse).
    QPoint mouse;
    QList<QUrl> openedUrls;
    // Whether the desktop can show the documents the program opens (there is a browser).
    bool desktopOpensUrls = true;
    std::unique_ptr<MainWindow> window;
    // A child of the window, gone with it.
    QPointer<ReadWriteDialog> dialog;

private:
    std::unique_ptr<Skins> m_skins;
    std::unique_ptr<ThemedMessageBoxes> m_themedBoxes;
    void stop();

    ProgramOptions m_options;
    bool m_radioStarted = false;
};

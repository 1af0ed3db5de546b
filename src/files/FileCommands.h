#pragma once

#include <QString>

#include <functional>
#include <optional>

class FileDialogs;
class Localisation;
class Messenger;
class Workspace;

// The file page's New, Open and Save. There is no document state: no current file name,
// no "modified" mark and no question about unsaved data.
class FileCommands
{
public:
    // Hides the tone picker and the frequency editor where they are showing; the frequency
    // editor has already copied what was typed into its cell.
    using CloseCellEditors = std::function<void()>;

    FileCommands(Workspace& workspace, Localisation& localisation, Messenger& messenger,
                 FileDialogs& dialogs, CloseCellEditors closeCellEditors = {});

    // After the user confirms: the function settings back at their start-up positions and
    // every channel emptied, as one undo step. The band, the title and the language stay.
    // Returns whether the user confirmed.
    bool newFile();
    // Reads a channel file, replacing channels and settings without a question, once the
    // whole file has converted; a file that does not changes nothing. The band box stays
    // quiet throughout: loading is held for the whole command. A ".csv" file is imported
    // as a channel list instead. Either is one undo step. Returns the file read, when one
    // was.
    std::optional<QString> openFile();
    // Writes the data as it stands to a channel file, or exports the channels to a ".csv"
    // channel list; returns the file written, when one was.
    std::optional<QString> saveFile();

    // Where the open dialog starts until a file has been chosen in it (the backups folder,
    // so that restoring a radio is an Open away); only while that folder exists.
    void setFirstOpenFolder(const QString& folder) { m_firstOpenFolder = folder; }

private:
    void closeCellEditors();

    Workspace& m_workspace;
    Localisation& m_localisation;
    Messenger& m_messenger;
    FileDialogs& m_dialogs;
    CloseCellEditors m_closeCellEditors;
    QString m_firstOpenFolder;
    bool m_fileOpened = false;
};

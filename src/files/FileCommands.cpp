#include "files/FileCommands.h"

#include "files/ChannelFileReader.h"
#include "files/ChannelFileWriter.h"
#include "files/ChannelListFile.h"
#include "files/FileDialogs.h"
#include "workspace/MessageIds.h"
#include "workspace/Messenger.h"
#include "workspace/Workspace.h"

#include <QFileInfo>

namespace {

// Holds the editor's loading flag for as long as it lives, however the command ends.
class LoadingHeld
{
public:
    explicit LoadingHeld(EditorState& editor) : m_editor(editor) { m_editor.loading = true; }
    ~LoadingHeld() { m_editor.loading = false; }
    LoadingHeld(const LoadingHeld&) = delete;
    LoadingHeld& operator=(const LoadingHeld&) = delete;

private:
    EditorState& m_editor;
};

} // namespace

FileCommands::FileCommands(Workspace& workspace, Localisation& localisation, Messenger& messenger,
                           FileDialogs& dialogs, CloseCellEditors closeCellEditors)
    : m_workspace(workspace), m_localisation(localisation), m_messenger(messenger),
      m_dialogs(dialogs), m_closeCellEditors(std::move(closeCellEditors))
{
}

void FileCommands::closeCellEditors()
{
    if (m_closeCellEditors)
        m_closeCellEditors();
}

bool FileCommands::newFile()
{
    closeCellEditors();
    const bool confirmed = m_messenger.show(Message::PromptTitle, Message::ConfirmNew);
    if (confirmed) {
        m_workspace.settings.reset(FunctionSettings::StartupPositions);
        m_workspace.table.clearTable();
        m_workspace.recordEdit();
    }
    closeCellEditors();
    return confirmed;
}

std::optional<QString> FileCommands::openFile()
{
    FileResult result = FileResult::done();
    QString summary;
    std::optional<QString> path;
    {
        const LoadingHeld loading(m_workspace.editor);
        closeCellEditors();
        const bool firstOpen = !m_fileOpened && QFileInfo(m_firstOpenFolder).isDir();
        path = m_dialogs.openPath(firstOpen ? m_firstOpenFolder : QString());
        if (!path)
            return std::nullopt;
        m_fileOpened = true;
        if (ChannelListFile::isChannelList(*path)) {
            const ChannelListFile::Imported imported =
                ChannelListFile::importFrom(m_workspace, *path, m_messenger);
            if (imported.declined)
                return std::nullopt;
            result = imported.result;
            summary = imported.summary;
        } else {
            result = ChannelFileReader(m_workspace, m_localisation).readFile(*path);
        }
    }
    if (!result.ok()) {
        m_messenger.errorBox(result.errorText());
        return std::nullopt;
    }
    m_workspace.recordEdit();
    if (!summary.isEmpty())
        m_messenger.errorBox(summary);
    return path;
}

std::optional<QString> FileCommands::saveFile()
{
    closeCellEditors();
    const std::optional<QString> path = m_dialogs.savePath();
    if (!path)
        return std::nullopt;
    const FileResult result = ChannelListFile::isChannelList(*path)
                                  ? ChannelListFile::exportTo(m_workspace, *path)
                                  : ChannelFileWriter(m_workspace).writeFile(*path);
    if (!result.ok()) {
        m_messenger.errorBox(result.errorText());
        return std::nullopt;
    }
    return path;
}

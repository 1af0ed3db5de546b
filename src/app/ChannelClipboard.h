#pragma once

#include <QObject>

class ChannelEditor;
class Messenger;
class Workspace;

// Copy and paste of whole channels between the grid and the system clipboard, as text a
// spreadsheet takes.
class ChannelClipboard : public QObject
{
    Q_OBJECT

public:
    ChannelClipboard(Workspace& workspace, ChannelEditor& editor, Messenger& messenger,
                     QObject* parent = nullptr);

    void copyChannels(int firstRow, int lastRow);
    // Commits the cell being edited first; lines that became no channel are listed in a box.
    void pasteChannels(int firstRow);

private:
    Workspace& m_workspace;
    ChannelEditor& m_editor;
    Messenger& m_messenger;
};

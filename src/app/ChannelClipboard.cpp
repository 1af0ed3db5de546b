#include "app/ChannelClipboard.h"

#include "channels/ChannelEditor.h"
#include "files/ChannelPaste.h"
#include "workspace/Messenger.h"
#include "workspace/Workspace.h"

#include <QClipboard>
#include <QGuiApplication>

ChannelClipboard::ChannelClipboard(Workspace& workspace, ChannelEditor& editor,
                                   Messenger& messenger, QObject* parent)
    : QObject(parent), m_workspace(workspace), m_editor(editor), m_messenger(messenger)
{
}

void ChannelClipboard::copyChannels(int firstRow, int lastRow)
{
    QGuiApplication::clipboard()->setText(
        ChannelPaste::copiedText(m_workspace.table, firstRow, lastRow));
}

void ChannelClipboard::pasteChannels(int firstRow)
{
    if (!m_editor.commitEditedCell())
        return;
    m_editor.closeCellEditors();
    const QString skipped =
        ChannelPaste::paste(m_workspace, QGuiApplication::clipboard()->text(), firstRow);
    if (!skipped.isEmpty())
        m_messenger.errorBox(skipped);
}

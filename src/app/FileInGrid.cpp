#include "app/FileInGrid.h"

#include "workspace/Workspace.h"

#include <QFileInfo>

void FileInGrid::remember(const QString& path, const Workspace& workspace)
{
    m_path = QFileInfo(path).absoluteFilePath();
    m_contents = workspace.radioContents();
}

QString FileInGrid::pathIfHeld(const Workspace& workspace) const
{
    return !m_path.isEmpty() && workspace.radioContents() == m_contents ? m_path : QString();
}

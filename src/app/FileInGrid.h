#pragma once

#include "workspace/RadioContents.h"

#include <QString>

class Workspace;

// The channel file last opened or saved, for as long as the grid, settings and band still
// hold what it holds: the fleet log names the file a radio got only when that is so.
class FileInGrid
{
public:
    void remember(const QString& path, const Workspace& workspace);
    // The file, or empty when none was opened or saved, or the data has changed since.
    QString pathIfHeld(const Workspace& workspace) const;

private:
    QString m_path;
    RadioContents m_contents;
};

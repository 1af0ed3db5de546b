#pragma once

#include "files/FileResult.h"

#include <QByteArray>
#include <QString>

class QIODevice;
class Workspace;

// Writes the workspace as a .F19 channel file: the language code, the band, the function
// settings and the 16 channel rows, exactly as they stand (nothing is validated or
// re-worded first).
class ChannelFileWriter
{
public:
    explicit ChannelFileWriter(const Workspace& workspace) : m_workspace(workspace) {}

    // The whole file, Chinese texts in GBK.
    QByteArray contents() const;

    FileResult write(QIODevice* device) const;
    // Creates or replaces the file; a failed save leaves the previous file whole.
    FileResult writeFile(const QString& path) const;

private:
    QString settingLine(int index) const;
    QString channelLine(int row) const;

    const Workspace& m_workspace;
};

#pragma once

#include "files/FileResult.h"

#include <QByteArray>
#include <QList>
#include <QString>

class Localisation;
class QIODevice;
class Workspace;

// Reads a .F19 channel file into the workspace, in file order: the language (through the
// language switch), the band and the title, the function settings, VOX inhibit and the
// 16 channel rows. Values are taken by line and character position alone; headers,
// labels and "CH" numbers are never checked.
//
// A digit that is not one stops reading with the conversion error; what was applied up to
// that line stays applied, and the channel table is untouched, since it is emptied only
// after the settings. The caller holds the editor's Loading flag, so that taking the
// file's band does not set off the band-change question.
class ChannelFileReader
{
public:
    ChannelFileReader(Workspace& workspace, Localisation& localisation)
        : m_workspace(workspace), m_localisation(localisation)
    {
    }

    FileResult read(QIODevice* device);
    FileResult ReadChannelFile(const QString& path);

private:
    // Line `number` (from 1) without its line end; a line past the end of the file is empty.
    QByteArray line(int number) const;

    FileResult applyLanguage();
    void applyBand();
    FileResult applySettings();
    void applyVoxInhibit();
    void applyChannels();
    void applyChannelLine(int row, const QByteArray& text);

    Workspace& m_workspace;
    Localisation& m_localisation;
    QList<QByteArray> m_lines;
};

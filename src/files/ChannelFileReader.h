#pragma once

#include "files/FileResult.h"

#include <QByteArray>
#include <QString>

struct ChannelFileContent;
class Localisation;
class Workspace;

// Reads a .F19 channel file into the workspace. The whole file is converted first; only
// when every value converts is it applied, in one step and in file order: the language
// (through the language switch), the band and the title, the function settings, VOX
// inhibit and the 16 channel rows. A file that does not convert changes nothing, and the
// message names the file, the line and what belongs there.
//
// The caller holds the editor's loading flag, so that taking the file's band does not set
// off the band-change question.
class ChannelFileReader
{
public:
    ChannelFileReader(Workspace& workspace, Localisation& localisation)
        : m_workspace(workspace), m_localisation(localisation)
    {
    }

    FileResult readFile(const QString& path);
    // The same for a file already read; `fileName` names it in a message, which speaks the
    // interface's current language.
    FileResult read(const QByteArray& bytes, const QString& fileName);

    // Applies converted content; this cannot fail.
    void apply(const ChannelFileContent& content);

private:
    void applyBand(const ChannelFileContent& content);

    Workspace& m_workspace;
    Localisation& m_localisation;
};

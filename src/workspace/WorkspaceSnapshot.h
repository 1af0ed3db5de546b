#pragma once

#include "workspace/CellWords.h"
#include "workspace/FunctionSettings.h"
#include "workspace/Language.h"
#include "workspace/RadioContents.h"

#include <QStringList>

#include <array>

class Workspace;

// Everything a radio run takes from a workspace, as plain values: the channels, settings and
// band as a radio takes them, the band list, the settings' lists, the words and the
// language. A workspace and its models belong to the thread that made them, so a run on a
// thread of its own builds a workspace of its own from one of these.
struct WorkspaceSnapshot
{
    RadioContents contents;
    CellWords words;
    Language checkedLanguage = Language::Chinese;
    int languageCode = 0;
    std::array<QStringList, FunctionSettings::SettingCount> settingEntries;
    QStringList bands;
    int selectedBand = -1;

    static WorkspaceSnapshot of(const Workspace& workspace);
    // Fills a fresh workspace: the lists and words first, then the contents as a complete
    // read would take them (a band the list lacks is added to it).
    void restore(Workspace& workspace) const;
};

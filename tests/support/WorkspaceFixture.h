#pragma once

#include "workspace/Localisation.h"
#include "workspace/Workspace.h"

#include "support/TemporaryProgramFolder.h"

// What the file and language rules work on, without a window: a program folder holding
// the shipped companion files (language tables, install.Log), a workspace whose band box
// holds and shows "400-470MHz", and its localisation.
struct WorkspaceFixture
{
    WorkspaceFixture();

    TemporaryProgramFolder folder;
    Workspace workspace;
    Localisation localisation{workspace, folder.path()};
};

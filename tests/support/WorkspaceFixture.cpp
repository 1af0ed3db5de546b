#include "support/WorkspaceFixture.h"

WorkspaceFixture::WorkspaceFixture()
{
    folder.copyCompanionFiles();
    workspace.bands.append(BandList::DefaultBand);
    workspace.bands.select(0);
}

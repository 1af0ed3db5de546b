#include "workspace/WorkspaceSnapshot.h"

#include "workspace/Workspace.h"

WorkspaceSnapshot WorkspaceSnapshot::of(const Workspace& workspace)
{
    WorkspaceSnapshot snapshot;
    snapshot.contents = workspace.radioContents();
    snapshot.words = workspace.words;
    snapshot.checkedLanguage = workspace.checkedLanguage;
    snapshot.languageCode = workspace.languageCode;
    for (int setting = 0; setting < FunctionSettings::SettingCount; ++setting)
        snapshot.settingEntries[size_t(setting)] =
            workspace.settings.entries(FunctionSettings::Setting(setting));
    snapshot.bands = workspace.bands.entries();
    snapshot.selectedBand = workspace.bands.selectedIndex();
    return snapshot;
}

void WorkspaceSnapshot::restore(Workspace& workspace) const
{
    workspace.words = words;
    workspace.languageCode = languageCode;
    workspace.checkedLanguage = checkedLanguage;
    for (int setting = 0; setting < FunctionSettings::SettingCount; ++setting)
        workspace.settings.setEntries(FunctionSettings::Setting(setting),
                                      settingEntries[size_t(setting)]);
    for (const QString& band : bands)
        workspace.bands.append(band);
    workspace.bands.select(selectedBand);
    workspace.takeRadioContents(contents);
}

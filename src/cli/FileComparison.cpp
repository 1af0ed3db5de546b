#include "cli/FileComparison.h"

#include "cli/ChannelFiles.h"
#include "cli/CliContext.h"
#include "link/WritePlan.h"

RadioContents asWritten(const Workspace& workspace)
{
    const WritePlan plan = WritePlan::compose(workspace.table, workspace.words, workspace.settings,
                                              workspace.bands.selectedText());
    return plan.sendable() ? plan.expectedReadBack(workspace.words) : workspace.radioContents();
}

FileComparison FileComparison::of(CliContext& context, const QString& path,
                                  const RadioContents& fromFile, const RadioContents& inRadio)
{
    FileComparison comparison;
    RadioContents expected = fromFile;
    if (ChannelFiles::kindToRead(context, path) == ChannelFiles::Kind::ChannelList) {
        // A list holds channels only: the settings and band are the radio's own.
        context.workspace().takeRadioContents(inRadio);
        const ChannelFiles::Loaded loaded = ChannelFiles::loadChannels(context, path);
        if (!loaded.result.ok()) {
            comparison.result = loaded.result;
            return comparison;
        }
        comparison.skippedRows = loaded.skippedRows;
        expected = asWritten(context.workspace());
        expected.settings = inRadio.settings;
        expected.band = inRadio.band;
    }
    comparison.differences = compareContents(expected, inRadio);
    return comparison;
}

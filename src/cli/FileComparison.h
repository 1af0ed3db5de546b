#pragma once

#include "backups/ContentsDifference.h"
#include "files/FileResult.h"
#include "workspace/RadioContents.h"

#include <QList>
#include <QStringList>

class CliContext;
class Workspace;

// What verify finds when it holds a radio's contents against the file: the differences,
// and for a channel list the rows that became no channel (each a difference of its own:
// the radio cannot hold what the list says).
struct FileComparison
{
    FileResult result = FileResult::done();
    QStringList skippedRows;
    QList<ContentsDifference> differences;

    bool same() const { return skippedRows.isEmpty() && differences.isEmpty(); }

    // `fromFile` is asWritten() of the file as loaded before the radio was read. A channel
    // list is taken again against the radio's band, and its settings and band are the
    // radio's own; this puts the radio's contents into the context's workspace.
    static FileComparison of(CliContext& context, const QString& path,
                             const RadioContents& fromFile, const RadioContents& inRadio);
};

// What the radio would give back had the workspace been written to it: the texts as the
// radio decodes them, so a file is compared by what it programs, not by its spelling.
RadioContents asWritten(const Workspace& workspace);

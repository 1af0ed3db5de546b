#pragma once

#include "files/FileResult.h"

#include <QString>

class Messenger;
class Workspace;

// The channel list CSV as the file commands use it: a path ending in ".csv" is a channel
// list, exported from and imported into the workspace's 16 channels.
namespace ChannelListFile {

inline const QString Extension = QStringLiteral(".csv");

bool isChannelList(const QString& path);

// Writes the channels as a channel list; a cell the list cannot hold writes nothing, and
// the message names its channel.
FileResult exportTo(const Workspace& workspace, const QString& path);

struct Imported
{
    FileResult result = FileResult::done();
    // The rows that were not imported, under a line naming the file; empty when every row
    // was.
    QString summary;
    // The user chose not to fill the channels in file order: nothing changed.
    bool declined = false;
};

// Replaces the 16 channels with the list's rows in one undo step, each row on the channel
// its Location names; the settings and the band stay. When the Locations do not give each
// row a channel of its own, the user is asked whether to fill channels 1 to 16 in file
// order instead. A file that is not such a list changes nothing and adds no step.
Imported importFrom(Workspace& workspace, const QString& path, Messenger& messenger);

} // namespace ChannelListFile

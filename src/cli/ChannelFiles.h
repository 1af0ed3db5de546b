#pragma once

#include "files/FileResult.h"

#include <QString>
#include <QStringList>

class CliContext;

// The two kinds of file the command line reads and writes, told apart by the extension:
// the .F19 channel file (channels, settings, band, language) and the .csv channel list
// (channels only). "-" stands for standard input where a file is read, and for standard
// output where one is written, as with other Unix tools.
namespace ChannelFiles {

enum class Kind { ChannelFile, ChannelList, Unknown };

// The name that stands for standard input or output.
inline const QString StandardStream = QStringLiteral("-");

Kind kindOf(const QString& path);
// The kind of a file to read; standard input is a channel file when it starts as one
// does, a channel list otherwise.
Kind kindToRead(const CliContext& context, const QString& path);
// The kind of a file to write; standard output is written as `forStandardOutput`.
Kind kindToWrite(const QString& path, Kind forStandardOutput = Kind::ChannelFile);
// A file read, as messages name it: "standard input" for "-".
QString displayName(const CliContext& context, const QString& path);

// "name: why" for a name of neither kind, with what to give instead.
QString unknownKindText(const CliContext& context, const QString& path);

// The system's words for a failed read or write of `path`, with what to look at.
QString ioProblemText(const CliContext& context, int error, const QString& path);

// A file read: done, or why nothing changed; and for a channel list, the rows that did not
// become channels, each as "list.csv, row 5: why".
struct Loaded
{
    FileResult result = FileResult::done();
    QStringList skippedRows;
};

// Reads the file into the context's workspace; a file that does not read changes nothing.
// A channel file replaces channels, settings and band, and is then worded in the language
// in use. A channel list replaces the channels only, checked against the selected band,
// each row on the channel its Location names (in file order with --in-file-order).
Loaded load(CliContext& context, const QString& path);
// Only the channels of a channel list, leaving the settings and the band as they are.
Loaded loadChannels(CliContext& context, const QString& path);

// Whether the file is a channel list at all, before a radio is read for its band: the rows
// it gives are those that fit no band; the ones outside a band are known once the band is.
Loaded checkChannelList(const CliContext& context, const QString& path);

// Rows of a list that did not become channels stop a write or a conversion, unless
// --skip-bad-rows leaves them out: the failure lists every row, after a line saying that
// `notDone` ("nothing was written to the radio").
FileResult refuseSkippedRows(const CliContext& context, const QString& path,
                             const QStringList& skippedRows, const QString& notDone);

// Whether the file cannot be written into a radio as it was read: it did not read, or it is
// a list with rows that did not become channels and --skip-bad-rows was not given. Says
// why.
bool refusedForWriting(CliContext& context, const QString& path, const Loaded& loaded);

// Writes the workspace as the kind of file the name asks for, with the atomic save; to
// standard output as `forStandardOutput`.
FileResult save(CliContext& context, const QString& path,
                Kind forStandardOutput = Kind::ChannelFile);

} // namespace ChannelFiles

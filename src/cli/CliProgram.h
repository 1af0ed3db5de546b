#pragma once

#include "cli/ExitStatus.h"
#include "link/Link.h"

#include <QString>
#include <QStringList>

#include <optional>

// qv3307-cli as a whole: reads the command line, answers --version and --help, and runs
// the command in the language asked for.
namespace CliProgram {
// The whole of main(): the application, the program folder beside the program, the
// arguments, and the exit status to return.
//
// Only a test build of the command line gives `testWaits`: every link then runs its waits as
// Link::setWaitLengthsForTests() says. qv3307-cli's own main() never does, and no option or
// environment variable reaches it.
int main(int argc, char* argv[], std::optional<Link::WaitLengths> testWaits = std::nullopt);
ExitStatus run(const QString& programFolder, const QStringList& arguments,
               std::optional<Link::WaitLengths> testWaits = std::nullopt);

// Whether the command paints pages (the channel sheet): its text needs the fonts that only
// a QGuiApplication brings.
bool paintsPages(const QStringList& arguments);
} // namespace CliProgram

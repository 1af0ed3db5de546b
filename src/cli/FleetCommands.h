#pragma once

#include "cli/ExitStatus.h"

#include <QString>

class CliContext;

// read, write and verify on several radios at once, each on its own port (more than one
// --port, --all-ports, or write --repeat): every radio gets its whole run at the same time
// as the others, a line on standard output as it ends and a row in the fleet log, and the
// command ends with a count. The status is 0 only when every radio did what was asked,
// otherwise the worst of theirs.
namespace FleetCommands {
// The file has been checked as far as it can be before a radio is read (see write).
// With --repeat, each round is every port, then the question for the next radios.
ExitStatus write(CliContext& context, const QString& path);
// Each radio is kept as its backup; with -o, also saved under the name given with {port}
// standing for the radio's port.
ExitStatus read(CliContext& context);
// Each radio is compared with the file, its differences listed under its line.
ExitStatus verify(CliContext& context, const QString& path);
} // namespace FleetCommands

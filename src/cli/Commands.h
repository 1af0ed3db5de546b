#pragma once

#include "cli/ExitStatus.h"

class CliContext;

// The commands of qv3307-cli; each prints what it found and says in one line on standard
// error what failed and what to do.
namespace Commands {
ExitStatus read(CliContext& context);
ExitStatus write(CliContext& context);
ExitStatus verify(CliContext& context);
ExitStatus diff(CliContext& context);
ExitStatus convert(CliContext& context);
ExitStatus readCalibration(CliContext& context);
ExitStatus writeCalibration(CliContext& context);
ExitStatus ports(CliContext& context);
ExitStatus plan(CliContext& context);
ExitStatus sheet(CliContext& context);
} // namespace Commands

#pragma once

#include "cli/ExitStatus.h"

#include <QString>

class CliContext;

// `write --dry-run`: the checks a write makes before its first byte, and nothing sent.
namespace WriteDryRun {

// Ends a dry run of writing `path`, whose file checks gave `checked`: when they passed,
// the port the command line names is opened and locked as a write would (present, free,
// ours to use) and closed again without a byte sent. Says that nothing was sent, and gives
// the status the write would have ended with at that point.
ExitStatus finish(CliContext& context, const QString& path, ExitStatus checked);

} // namespace WriteDryRun

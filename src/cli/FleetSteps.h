#pragma once

#include "backups/FleetRadioOutcome.h"
#include "cli/ExitStatus.h"

#include <QList>
#include <QString>

#include <functional>
#include <optional>

class CliContext;
class FleetRun;

// The steps the radio commands share when they run on several radios at once, each on its
// own port: finding the ports, running the fleet with Ctrl+C and a progress line, a line per
// radio as it ends, its row in the fleet log, and the exit status.
namespace FleetSteps {

// The ports the command line names, or with --all-ports every COM port whose device is
// present (each device once). Nothing, with the error said and `failure` set, for a name
// that is no port or two names that lead to one device (Usage), or when --all-ports finds
// no device (PortUnavailable).
std::optional<QList<FleetPort>> ports(CliContext& context, ExitStatus& failure);

using RadioEnded = std::function<void(const FleetRadioOutcome& outcome)>;
// Runs the fleet to its end: Ctrl+C stops every radio in order, the progress line (labelled
// `stage`) shows how far the radios have come together, and `radioEnded` hears of each radio
// as it ends.
void run(CliContext& context, FleetRun& fleet, const QString& stage, const RadioEnded& radioEnded);

// The exit status that stands for a radio's outcome.
ExitStatus statusOf(const FleetRadioOutcome& outcome);
// The worse of two: 0 only when both are; otherwise the higher.
ExitStatus worse(ExitStatus first, ExitStatus second);

// What the radio's line says of it; after Ctrl+C, what the stop left it holding.
QString resultText(const CliContext& context, const FleetRadioOutcome& outcome);
// The radio's line on standard output, with `result`; for a port that cannot be opened or
// a radio that does not answer, what to do on standard error too.
void tell(CliContext& context, const FleetRadioOutcome& outcome, const QString& result);

// The file as the fleet log names it: its absolute path ("standard input" for -).
QString loggedName(const CliContext& context, const QString& path);
// Adds the radio's row to the fleet log, with `result` in place of the outcome's own when
// given. A row that cannot be added is said: FileProblem; else Done.
ExitStatus log(CliContext& context, const FleetRadioOutcome& outcome, const QString& file,
               const QString& result = {});

// Between rounds of --repeat: Enter for the next radios, q (or the end of the input, or
// Ctrl+C) to stop.
bool nextRoundWanted(CliContext& context, int radios);

} // namespace FleetSteps

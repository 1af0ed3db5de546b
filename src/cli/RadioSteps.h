#pragma once

#include "backups/SafeWriteReport.h"
#include "cli/ExitStatus.h"

#include <QString>

#include <memory>

class CliContext;
struct PortDiagnosis;
class RadioPort;

// The steps of the radio commands, each of which says in one line what failed and what to
// do, and gives the exit status that belongs to it.
namespace RadioSteps {

// What a stop signal left the radio holding.
enum class LeftAs {
    Unchanged,          // it was only read, or the write had not begun
    PartlyWritten,      // the write had begun
    WrittenNotVerified, // written, but the read-back was stopped
    CalibrationUnsure,  // a calibration write was under way
    BetweenRadios,      // no radio was in hand
};
// What a stop during a checked write's stage left the radio holding: only the write stage
// changes it.
LeftAs leftAfter(SafeWriteStage stage);
// What the radio holds after the stop, such as "the radio is partly written; write it
// again"; empty between radios.
QString leftAsText(const CliContext& context, LeftAs state);
// Says that the command was interrupted and what the radio holds now: Interrupted.
ExitStatus interrupted(CliContext& context, LeftAs state);

// The port the command line names, stopped by Ctrl+C; nothing, with a usage error said,
// for a name that is neither COM1 to COM4 nor a device path.
std::unique_ptr<RadioPort> port(CliContext& context);
// The port of that name; nothing, with a usage error said, for a name that is neither.
std::unique_ptr<RadioPort> portNamed(CliContext& context, const QString& name);
// Opens the port; PortUnavailable when it cannot be opened, Interrupted after Ctrl+C.
ExitStatus open(CliContext& context, RadioPort& port);
// Reads the radio into the workspace, all of it or nothing, and keeps a backup of it (one
// that cannot be saved is warned about);
// TransferFailed when the radio did not answer or the read failed, Interrupted when Ctrl+C
// stopped it. `stage` labels the progress line.
ExitStatus read(CliContext& context, RadioPort& port, const QString& stage);
// The whole of a command's read: the port named on the command line, opened, read into
// the workspace and closed again.
ExitStatus readNamedPort(CliContext& context);
// Refuses, before the port is touched, a workspace the radio cannot take as it stands,
// listing each channel and field, setting or band: FileProblem.
ExitStatus checkWritable(CliContext& context, const QString& path);

// "COM1 (/dev/ttyUSB0): the transfer failed. Cause: …", right after an exchange failed: the
// radio did not answer, or something answered otherwise than the radio does.
QString transferFailedText(const CliContext& context, const RadioPort& port);
QString transferFailedText(const CliContext& context, const QString& description,
                           const PortDiagnosis& failure);
// "COM1 (/dev/ttyUSB0): the port cannot be opened." and the cause, with what to do.
QString portProblemText(const CliContext& context, const QString& description,
                        const PortDiagnosis& diagnosis);

} // namespace RadioSteps

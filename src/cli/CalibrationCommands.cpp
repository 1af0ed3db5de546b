#include "backups/BackupFolder.h"
#include "cli/CalibrationJson.h"
#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "cli/JsonOutput.h"
#include "cli/RadioPort.h"
#include "cli/RadioSteps.h"
#include "service/CalibrationText.h"
#include "service/ServiceCommands.h"
#include "workspace/IoErrorText.h"
#include "workspace/LanguageStrings.h"

namespace {

// The service commands open the port themselves; checking it first tells a port that
// cannot be opened from a radio that does not answer.
// `whenInterrupted`: what the radio may hold when Ctrl+C stops the command.
ExitStatus runService(CliContext& context,
                      const std::function<ServiceCommands::Outcome(ServiceCommands&)>& command,
                      ServiceCommands& service, RadioPort& port, RadioSteps::LeftAs whenInterrupted)
{
    if (const ExitStatus opened = RadioSteps::open(context, port); opened != ExitStatus::Done)
        return opened;
    port.close();
    if (command(service) == ServiceCommands::Outcome::Done)
        return ExitStatus::Done;
    if (context.interrupted())
        return RadioSteps::interrupted(context, whenInterrupted);
    context.error(RadioSteps::transferFailedText(context, port));
    return ExitStatus::TransferFailed;
}

} // namespace

ExitStatus Commands::readCalibration(CliContext& context)
{
    const std::unique_ptr<RadioPort> port = RadioSteps::port(context);
    if (!port)
        return ExitStatus::Usage;
    ServiceCommands service(port->link(), context.messenger());
    const ExitStatus status = runService(
        context, [](ServiceCommands& commands) { return commands.readCalibration(); }, service,
        *port, RadioSteps::LeftAs::Unchanged);
    if (status != ExitStatus::Done)
        return status;
    const CalibrationReading& reading = service.lastReading();
    const PowerCalibrationValues& values = reading.values;
    using namespace LanguageString;
    if (context.line().json)
        JsonOutput::print(context, calibrationJson(reading, context.language()));
    else
        context.out() << context.text(LowPowerLabel) << ": " << values.lowPower << '\n'
                      << context.text(HighPowerLabel) << ": " << values.highPower << '\n'
                      << context.text(LowVoltage) << ": "
                      << CalibrationText::lowVoltage(reading, context.language()) << '\n';
    if (reading.unnamedLowVoltage)
        context.error(
            inLanguage(context.language(), QStringLiteral("warning: %1"),
                       QStringLiteral("警告：%1"))
                .arg(CalibrationText::unnamedLowVoltageWarning(reading, context.language())));
    // The calibration lives only in the radio: its log keeps the values should a later
    // write go wrong. A log that cannot be written does not undo the read.
    const BackupFolder folder = BackupFolder::standard();
    if (const int error = folder.appendCalibration(reading); error != 0)
        context.error(
            inLanguage(context.language(), QStringLiteral("calibration not logged: %1"),
                       QStringLiteral("校准值未记入日志：%1"))
                .arg(ioErrorCause(error, folder.calibrationLogPath(), context.language())));
    return ExitStatus::Done;
}

ExitStatus Commands::writeCalibration(CliContext& context)
{
    const std::unique_ptr<RadioPort> port = RadioSteps::port(context);
    if (!port)
        return ExitStatus::Usage;
    ServiceCommands service(port->link(), context.messenger());
    const CommandLine& line = context.line();
    service.calibration().setValues({line.lowPower, line.highPower, line.lowVoltage});
    const ExitStatus status = runService(
        context, [](ServiceCommands& commands) { return commands.writeCalibration(); }, service,
        *port, RadioSteps::LeftAs::CalibrationUnsure);
    if (status == ExitStatus::Done)
        // The radio does not confirm a calibration write; a read shows what it took.
        context.note(inLanguage(
            context.language(),
            QStringLiteral("Calibration sent; the radio does not confirm it: `calibration "
                           "read` shows what it holds"),
            QStringLiteral("校准值已发送；电台不确认写入：用 `calibration read` 查看电台中的值")));
    return status;
}

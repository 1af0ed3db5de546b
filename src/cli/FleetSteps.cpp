#include "cli/FleetSteps.h"

#include "backups/FleetLog.h"
#include "backups/FleetRun.h"
#include "backups/FleetText.h"
#include "backups/SafeWriteText.h"
#include "cli/ChannelFiles.h"
#include "cli/CliContext.h"
#include "cli/RadioPort.h"
#include "cli/RadioSteps.h"
#include "cli/WindowComPorts.h"

#include <QFileInfo>

#include <cstdio>

#include <unistd.h>

namespace FleetSteps {

namespace {

std::optional<QList<FleetPort>> presentPorts(CliContext& context, ExitStatus& failure)
{
    const WindowComPorts com(context);
    QList<FleetPort> ports;
    for (const int number : com.devices.presentPorts())
        ports << FleetPort{QStringLiteral("COM%1").arg(number), com.devices.devicePath(number)};
    if (!ports.isEmpty())
        return ports;
    context.error(inLanguage(
        context.language(),
        QStringLiteral("no COM port leads to a device that is present; plug in the cables, "
                       "and see qv3307-cli ports"),
        QStringLiteral(
            "没有任何 COM 端口指向已连接的设备；请插好连接线，并参见 qv3307-cli ports")));
    failure = ExitStatus::PortUnavailable;
    return std::nullopt;
}

std::optional<QList<FleetPort>> namedPorts(CliContext& context, ExitStatus& failure)
{
    QList<FleetPort> ports;
    for (const QString& name : context.line().ports) {
        const std::unique_ptr<RadioPort> port = RadioSteps::portNamed(context, name);
        if (!port) {
            failure = ExitStatus::Usage;
            return std::nullopt;
        }
        const FleetPort fleetPort{port->name(), port->devicePath()};
        for (const FleetPort& earlier : ports) {
            if (earlier.devicePath != fleetPort.devicePath)
                continue;
            // One device can be opened by one run only.
            context.error(
                inLanguage(context.language(),
                           QStringLiteral("%1 and %2 both lead to %3; give each "
                                          "radio's port once"),
                           QStringLiteral("%1 和 %2 都指向 %3；每台电台的端口只能给出一次"))
                    .arg(earlier.name, fleetPort.name, fleetPort.devicePath));
            failure = ExitStatus::Usage;
            return std::nullopt;
        }
        ports << fleetPort;
    }
    return ports;
}

RadioSteps::LeftAs leftAs(const FleetRadioOutcome& outcome)
{
    if (outcome.task == FleetTask::Read || !outcome.stage)
        return RadioSteps::LeftAs::Unchanged;
    return RadioSteps::leftAfter(*outcome.stage);
}

} // namespace

std::optional<QList<FleetPort>> ports(CliContext& context, ExitStatus& failure)
{
    return context.line().allPorts ? presentPorts(context, failure) : namedPorts(context, failure);
}

void run(CliContext& context, FleetRun& fleet, const QString& stage, const RadioEnded& radioEnded)
{
    TerminalProgress& progress = context.progress();
    QObject::connect(&fleet, &FleetRun::progressChanged, &fleet,
                     [&] { progress.setProgress(fleet.overallPercent()); });
    QObject::connect(&fleet, &FleetRun::radioFinished, &fleet,
                     [&](int, const FleetRadioOutcome& outcome) {
                         progress.endLine();
                         radioEnded(outcome);
                     });
    context.onStop(&fleet, [&fleet] { fleet.stop(); });
    context.applyTestWaits(fleet);
    progress.setStage(stage);
    fleet.run();
    progress.endLine();
}

ExitStatus statusOf(const FleetRadioOutcome& outcome)
{
    using Ending = SafeWriteOutcome::Ending;
    if (outcome.portProblem)
        return ExitStatus::PortUnavailable;
    if (outcome.interrupted)
        return ExitStatus::Interrupted;
    if (outcome.task == FleetTask::Read)
        return outcome.read == RadioExchange::Result::Done ? ExitStatus::Done
                                                           : ExitStatus::TransferFailed;
    switch (outcome.write.ending) {
    case Ending::Verified:
    case Ending::Written:
        return ExitStatus::Done;
    case Ending::Differences:
        return ExitStatus::Differences;
    case Ending::Refused:
    case Ending::BackupNotSaved:
        return ExitStatus::FileProblem;
    case Ending::BackupReadFailed:
    case Ending::WriteFailed:
    case Ending::NotVerified:
        return ExitStatus::TransferFailed;
    case Ending::Quit:
        break;
    }
    return ExitStatus::Interrupted;
}

ExitStatus worse(ExitStatus first, ExitStatus second)
{
    return int(first) >= int(second) ? first : second;
}

QString resultText(const CliContext& context, const FleetRadioOutcome& outcome)
{
    if (!outcome.interrupted)
        return FleetText::result(outcome, context.language());
    return inLanguage(context.language(), QStringLiteral("interrupted: %1"),
                      QStringLiteral("已中断：%1"))
        .arg(RadioSteps::leftAsText(context, leftAs(outcome)));
}

void tell(CliContext& context, const FleetRadioOutcome& outcome, const QString& result)
{
    context.progress().endLine();
    context.out() << FleetText::radioLine(outcome, result, context.language()) << '\n';
    context.out().flush();
    const QString description = outcome.port.description();
    if (outcome.portProblem)
        context.error(RadioSteps::portProblemText(context, description, *outcome.portProblem));
    else if (outcome.transferFailure)
        context.error(
            RadioSteps::transferFailedText(context, description, *outcome.transferFailure));
}

QString loggedName(const CliContext& context, const QString& path)
{
    if (path.isEmpty() || path == ChannelFiles::StandardStream)
        return ChannelFiles::displayName(context, path);
    return QFileInfo(path).absoluteFilePath();
}

ExitStatus log(CliContext& context, const FleetRadioOutcome& outcome, const QString& file,
               const QString& result)
{
    FleetLog::Row row = FleetLog::rowOf(outcome, file);
    if (!result.isEmpty())
        row.result = result;
    const FleetLog log = FleetLog::standard();
    const int error = log.append(row);
    if (error == 0)
        return ExitStatus::Done;
    context.error(FleetText::logNotWritten(log.path(), error, context.language()));
    return ExitStatus::FileProblem;
}

bool nextRoundWanted(CliContext& context, int radios)
{
    context.progress().endLine();
    context.out().flush();
    const QString question =
        radios == 1
            ? inLanguage(context.language(),
                         QStringLiteral("Connect the next radio and press Enter (q and Enter "
                                        "to stop) "),
                         QStringLiteral("请连接下一台电台并按回车（输入 q 并回车结束） "))
            : inLanguage(context.language(),
                         QStringLiteral("Connect the next radios and press Enter (q and Enter "
                                        "to stop) "),
                         QStringLiteral("请连接下一批电台并按回车（输入 q 并回车结束） "));
    std::fprintf(stderr, "%s", qPrintable(question));
    std::fflush(stderr);
    // Ctrl+C here ends the run as the end of the input does.
    const std::optional<QByteArray> answer = context.readInputLine();
    // A terminal echoes the Enter; an answer piped in, or Ctrl+C, leaves the line open.
    if (isatty(fileno(stdin)) != 1 || !answer)
        std::fputc('\n', stderr);
    if (!answer)
        return false;
    return QString::fromLocal8Bit(*answer).trimmed().compare(QLatin1String("q"),
                                                             Qt::CaseInsensitive) != 0;
}

} // namespace FleetSteps

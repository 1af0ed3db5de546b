#include "backups/FleetRun.h"
#include "cli/ChannelFiles.h"
#include "cli/CliContext.h"
#include "cli/DifferenceLines.h"
#include "cli/FileComparison.h"
#include "cli/FleetCommands.h"
#include "cli/FleetSteps.h"
#include "cli/RadioSteps.h"
#include "workspace/WorkspaceSnapshot.h"

#include <QFileInfo>

namespace {

// Every radio read at once, each kept as its backup; `radioEnded` hears of each as it ends.
// The status is the worst of the radios' and of `radioEnded`'s.
ExitStatus readFleet(CliContext& context, const QList<FleetPort>& ports,
                     const std::function<ExitStatus(const FleetRadioOutcome&)>& radioEnded)
{
    FleetRun fleet(FleetTask::Read, BackupFolder::standard());
    for (const FleetPort& port : ports)
        fleet.addRadio(port, WorkspaceSnapshot::of(context.workspace()));
    ExitStatus status = ExitStatus::Done;
    const QString stage =
        inLanguage(context.language(), QStringLiteral("Reading %1"), QStringLiteral("正在读取 %1"))
            .arg(counted(context.language(), ports.size(), "radio", "radios", "台电台"));
    FleetSteps::run(context, fleet, stage, [&](const FleetRadioOutcome& outcome) {
        status = FleetSteps::worse(status, FleetSteps::statusOf(outcome));
        status = FleetSteps::worse(status, radioEnded(outcome));
    });
    if (context.interrupted())
        status = RadioSteps::interrupted(context, RadioSteps::LeftAs::BetweenRadios);
    return status;
}

// What a radio's port is called in a file name: "COM2", or the device's own name.
QString portInFileName(const FleetPort& port)
{
    return QFileInfo(port.name).fileName();
}

// Each radio's -o file; nothing, with the error said, when two radios would share one.
std::optional<QStringList> outputNames(CliContext& context, const QList<FleetPort>& ports)
{
    QStringList names;
    const QString output = context.line().output;
    for (const FleetPort& port : ports) {
        QString name = output;
        name.replace(CommandLine::PortPlaceholder, portInFileName(port));
        if (!output.isEmpty() && names.contains(name)) {
            context.error(inLanguage(context.language(),
                                     QStringLiteral("two radios would be saved to %1; give "
                                                    "their ports by other names"),
                                     QStringLiteral("两台电台会保存到同一个 %1；请换用其他端口名"))
                              .arg(name));
            return std::nullopt;
        }
        names << name;
    }
    return names;
}

} // namespace

ExitStatus FleetCommands::read(CliContext& context)
{
    ExitStatus failure = ExitStatus::Done;
    const std::optional<QList<FleetPort>> ports = FleetSteps::ports(context, failure);
    if (!ports)
        return failure;
    const std::optional<QStringList> outputs = outputNames(context, *ports);
    if (!outputs)
        return ExitStatus::Usage;
    return readFleet(context, *ports, [&](const FleetRadioOutcome& outcome) {
        const int radio = int(ports->indexOf(outcome.port));
        const QString output = outputs->value(radio);
        ExitStatus status = ExitStatus::Done;
        QString result = FleetSteps::resultText(context, outcome);
        if (outcome.succeeded() && !output.isEmpty()) {
            context.workspace().takeRadioContents(outcome.contents);
            if (const FileResult saved = ChannelFiles::save(context, output); !saved.ok()) {
                context.error(saved.errorText());
                status = ExitStatus::FileProblem;
            } else {
                result = inLanguage(context.language(), QStringLiteral("read, saved to %1"),
                                    QStringLiteral("已读取，已保存到 %1"))
                             .arg(output);
            }
        }
        FleetSteps::tell(context, outcome, result);
        const QString logged = output.isEmpty() || status != ExitStatus::Done
                                   ? QString()
                                   : FleetSteps::loggedName(context, output);
        return FleetSteps::worse(status, FleetSteps::log(context, outcome, logged));
    });
}

ExitStatus FleetCommands::verify(CliContext& context, const QString& path)
{
    ExitStatus failure = ExitStatus::Done;
    const std::optional<QList<FleetPort>> ports = FleetSteps::ports(context, failure);
    if (!ports)
        return failure;
    const RadioContents fromFile = asWritten(context.workspace());
    const QString name = ChannelFiles::displayName(context, path);
    const QString logged = FleetSteps::loggedName(context, path);
    return readFleet(context, *ports, [&](const FleetRadioOutcome& outcome) {
        if (!outcome.succeeded()) {
            FleetSteps::tell(context, outcome, FleetSteps::resultText(context, outcome));
            return FleetSteps::log(context, outcome, logged);
        }
        const FileComparison comparison =
            FileComparison::of(context, path, fromFile, outcome.contents);
        if (!comparison.result.ok()) {
            context.error(comparison.result.errorText());
            return ExitStatus::FileProblem;
        }
        const bool same = comparison.same();
        FleetSteps::tell(
            context, outcome,
            (same ? inLanguage(context.language(), QStringLiteral("holds what %1 holds"),
                               QStringLiteral("内容与 %1 相同"))
                  : inLanguage(context.language(), QStringLiteral("differs from %1"),
                               QStringLiteral("与 %1 不同")))
                .arg(name));
        for (const QString& line :
             comparison.skippedRows +
                 differenceLinesWithRadio(comparison.differences, name, context.language()))
            context.out() << "  " << line << '\n';
        const ExitStatus status =
            FleetSteps::log(context, outcome, logged,
                            same ? QStringLiteral("verified") : QStringLiteral("differences"));
        return FleetSteps::worse(same ? ExitStatus::Done : ExitStatus::Differences, status);
    });
}

#include "cli/RadioSteps.h"

#include "backups/BackedUpRead.h"
#include "backups/BackupFolder.h"
#include "backups/SafeWriteText.h"
#include "cli/CliContext.h"
#include "cli/RadioPort.h"
#include "link/PortProblemText.h"
#include "link/RadioExchange.h"
#include "link/WritePlan.h"
#include "link/WriteProblemText.h"

namespace RadioSteps {

LeftAs leftAfter(SafeWriteStage stage)
{
    switch (stage) {
    case SafeWriteStage::Backup:
        break;
    case SafeWriteStage::Write:
        return LeftAs::PartlyWritten;
    case SafeWriteStage::Verify:
        return LeftAs::WrittenNotVerified;
    }
    return LeftAs::Unchanged;
}

QString leftAsText(const CliContext& context, LeftAs state)
{
    switch (state) {
    case LeftAs::Unchanged:
        return inLanguage(context.language(),
                          QStringLiteral("nothing was changed; the radio holds what it held"),
                          QStringLiteral("未做任何改动；电台内容与之前相同"));
    case LeftAs::PartlyWritten:
        return inLanguage(context.language(),
                          QStringLiteral("the radio is partly written; write it again"),
                          QStringLiteral("电台只写入了一部分；请重新写频"));
    case LeftAs::WrittenNotVerified:
        return inLanguage(
            context.language(),
            QStringLiteral("the radio was written but not verified; check it with verify"),
            QStringLiteral("电台已写入但未校验；请用 verify 命令核对"));
    case LeftAs::CalibrationUnsure:
        return inLanguage(context.language(),
                          QStringLiteral("the calibration may or may not have been written; "
                                         "`calibration read` shows what the radio holds"),
                          QStringLiteral("校准值可能已写入，也可能未写入；"
                                         "用 `calibration read` 查看电台中的值"));
    case LeftAs::BetweenRadios:
        break;
    }
    return {};
}

ExitStatus interrupted(CliContext& context, LeftAs state)
{
    const QString left = leftAsText(context, state);
    context.error(left.isEmpty() ? inLanguage(context.language(), QStringLiteral("Interrupted"),
                                              QStringLiteral("已中断"))
                                 : inLanguage(context.language(), QStringLiteral("Interrupted: %1"),
                                              QStringLiteral("已中断：%1"))
                                       .arg(left));
    return ExitStatus::Interrupted;
}

QString transferFailedText(const CliContext& context, const RadioPort& port)
{
    return transferFailedText(context, port.description(), port.link().failure());
}

QString transferFailedText(const CliContext& context, const QString& description,
                           const PortDiagnosis& failure)
{
    return inLanguage(context.language(), QStringLiteral("%1: the transfer failed. %2"),
                      QStringLiteral("%1：传输失败。%2"))
        .arg(description, PortProblemText::cause(failure, context.language(),
                                                 PortProblemText::Face::CommandLine));
}

QString portProblemText(const CliContext& context, const QString& description,
                        const PortDiagnosis& diagnosis)
{
    return inLanguage(context.language(), QStringLiteral("%1: the port cannot be opened. %2"),
                      QStringLiteral("%1：端口无法打开。%2"))
        .arg(description, PortProblemText::cause(diagnosis, context.language(),
                                                 PortProblemText::Face::CommandLine));
}

std::unique_ptr<RadioPort> portNamed(CliContext& context, const QString& name)
{
    std::unique_ptr<RadioPort> port =
        RadioPort::create(context.programFolder(), context.settingsFolder(), name);
    if (!port) {
        context.error(inLanguage(
            context.language(),
            QStringLiteral("\"%1\" is not a port; give COM1 to COM4 or a device path such as "
                           "/dev/ttyUSB0")
                .arg(name),
            QStringLiteral("“%1”不是端口；请给出 COM1 至 COM4 或设备路径，如 /dev/ttyUSB0")
                .arg(name)));
        return port;
    }
    context.applyTestWaits(port->link());
    return port;
}

std::unique_ptr<RadioPort> port(CliContext& context)
{
    std::unique_ptr<RadioPort> port = portNamed(context, context.line().ports.value(0));
    if (port)
        context.interruptOnStop(port->link());
    return port;
}

ExitStatus open(CliContext& context, RadioPort& port)
{
    // Not a byte to a radio once the user asked to stop.
    if (context.interrupted())
        return interrupted(context, LeftAs::Unchanged);
    if (port.open())
        return ExitStatus::Done;
    context.error(portProblemText(context, port.description(), port.diagnoseOpening()));
    return ExitStatus::PortUnavailable;
}

ExitStatus read(CliContext& context, RadioPort& port, const QString& stage)
{
    context.progress().setStage(stage);
    RadioExchange exchange(port.link(), context.progress());
    const BackedUpRead read =
        BackedUpRead::run(context.workspace(), exchange, BackupFolder::standard());
    context.progress().endLine();
    if (read.result == RadioExchange::Result::Quit && context.interrupted())
        return interrupted(context, LeftAs::Unchanged);
    if (read.result != RadioExchange::Result::Done) {
        context.error(transferFailedText(context, port));
        return ExitStatus::TransferFailed;
    }
    // The read itself went well: a backup that cannot be kept is only a warning.
    if (!read.backup->saved())
        context.error(SafeWriteText::backupNotSaved(*read.backup, context.language()));
    else
        context.note(SafeWriteText::backupSaved(read.backup->path, context.language()));
    return ExitStatus::Done;
}

ExitStatus readNamedPort(CliContext& context)
{
    const std::unique_ptr<RadioPort> named = port(context);
    if (!named)
        return ExitStatus::Usage;
    if (const ExitStatus opened = open(context, *named); opened != ExitStatus::Done)
        return opened;
    const ExitStatus status =
        read(context, *named,
             inLanguage(context.language(), QStringLiteral("Reading"), QStringLiteral("读取")));
    named->close();
    return status;
}

ExitStatus checkWritable(CliContext& context, const QString& path)
{
    const Workspace& workspace = context.workspace();
    const WritePlan plan = WritePlan::compose(workspace.table, workspace.words, workspace.settings,
                                              workspace.bands.selectedText());
    if (plan.sendable())
        return ExitStatus::Done;
    context.error(
        QStringLiteral("%1: %2").arg(path, writeProblemText(plan.problems, context.language())));
    return ExitStatus::FileProblem;
}

} // namespace RadioSteps

#include "cli/WriteDryRun.h"

#include "cli/ChannelFiles.h"
#include "cli/CliContext.h"
#include "cli/RadioPort.h"
#include "cli/RadioSteps.h"

namespace WriteDryRun {

namespace {

void tellNothingSent(CliContext& context)
{
    context.note(inLanguage(context.language(),
                            QStringLiteral("Dry run: nothing was sent to the radio"),
                            QStringLiteral("试运行：未向电台发送任何数据")));
}

} // namespace

ExitStatus finish(CliContext& context, const QString& path, ExitStatus checked)
{
    std::unique_ptr<RadioPort> port;
    ExitStatus status = checked;
    if (status == ExitStatus::Done) {
        port = RadioSteps::port(context);
        status = port ? RadioSteps::open(context, *port) : ExitStatus::Usage;
    }
    if (status != ExitStatus::Done) {
        tellNothingSent(context);
        return status;
    }
    port->close();
    // A list's rows are checked against the radio's own band, which only a read gives.
    if (ChannelFiles::kindToRead(context, path) == ChannelFiles::Kind::ChannelList)
        context.note(inLanguage(
            context.language(),
            QStringLiteral("Dry run: a write reads the radio's band first, and a row outside "
                           "it stops the write then"),
            QStringLiteral("试运行：写入时先读取电台的频段，届时超出该频段的行会使写入停止")));
    const QString name = ChannelFiles::displayName(context, path);
    context.note(inLanguage(context.language(),
                            QStringLiteral("Dry run: %1 can be written to %2, which is present "
                                           "and free; nothing was sent to the radio")
                                .arg(name, port->description()),
                            QStringLiteral("试运行：%1 可以写入 %2，该端口存在且空闲；"
                                           "未向电台发送任何数据")
                                .arg(name, port->description())));
    return ExitStatus::Done;
}

} // namespace WriteDryRun

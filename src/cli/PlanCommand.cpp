#include "cli/ChannelFiles.h"
#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "cli/ContentsOutput.h"
#include "plans/PlanFill.h"
#include "plans/PlanLibrary.h"
#include "plans/PlanTexts.h"

namespace {

ExitStatus listPlans(CliContext& context)
{
    const QString folder = UserPlans::folder();
    for (const QString& name : PlanLibrary::names(folder)) {
        const UserPlans::Loaded loaded = *PlanLibrary::load(name, folder, context.language());
        if (!loaded.ok()) {
            context.note(loaded.problem);
            continue;
        }
        const ChannelPlan& plan = loaded.plan;
        context.out() << QStringLiteral("%1  %2  %3\n")
                             .arg(plan.name, -12)
                             .arg(PlanTexts::channelCount(plan.channels.size(), context.language()),
                                  -12)
                             .arg(plan.isBuiltIn() ? PlanTexts::text(PlanTexts::Text::BuiltIn,
                                                                     context.language())
                                                   : plan.path);
    }
    return ExitStatus::Done;
}

// The tone an option names, or nothing when it was not given; false when it names no tone.
bool takeTone(CliContext& context, const QString& option, const QString& text,
              std::optional<QString>& tone)
{
    if (text.isEmpty())
        return true;
    tone = PlanLibrary::toneNamed(text);
    if (tone)
        return true;
    context.error(context.say(
        QStringLiteral("%1 \"%2\" is no tone of this radio; give OFF, a CTCSS tone such as 67.0 "
                       "or a DCS code such as D023N")
            .arg(option, text),
        QStringLiteral("%1“%2”不是本机支持的亚音；请给出 OFF、CTCSS 亚音（如 67.0）或 DCS 码"
                       "（如 D023N）")
            .arg(option, text)));
    return false;
}

} // namespace

ExitStatus Commands::plan(CliContext& context)
{
    if (context.line().listPlans)
        return listPlans(context);
    const QString name = context.line().files.at(0);
    const QString output = context.line().output;
    if (!output.isEmpty() && ChannelFiles::kindOf(output) == ChannelFiles::Kind::Unknown) {
        context.error(ChannelFiles::unknownKindText(context, output));
        return ExitStatus::FileProblem;
    }
    const std::optional<UserPlans::Loaded> loaded =
        PlanLibrary::load(name, UserPlans::folder(), context.language());
    if (!loaded) {
        context.error(context.say(
            QStringLiteral("there is no plan named \"%1\"; qv3307-cli plan --list lists them")
                .arg(name),
            QStringLiteral("没有名为“%1”的方案；qv3307-cli plan --list 列出所有方案").arg(name)));
        return ExitStatus::Usage;
    }
    if (!loaded->ok()) {
        context.error(loaded->problem);
        return ExitStatus::FileProblem;
    }
    for (const QString& line : loaded->leftOut)
        context.note(QStringLiteral("%1, %2").arg(loaded->plan.name, line));

    const CommandLine& line = context.line();
    PlanFillChoice choice;
    choice.firstChannel = line.firstChannel;
    if (line.channelCount > 0)
        choice.count = line.channelCount;
    if (!line.planChannels.isEmpty()) {
        const std::optional<QList<int>> channels =
            PlanLibrary::channelsNamed(loaded->plan, line.planChannels);
        if (!channels) {
            context.error(
                context.say(QStringLiteral("--channels \"%1\" names channels %2 does not have")
                                .arg(line.planChannels, loaded->plan.name),
                            QStringLiteral("--channels“%1”中有 %2 没有的信道")
                                .arg(line.planChannels, loaded->plan.name)));
            return ExitStatus::Usage;
        }
        choice.planChannels = *channels;
    }
    if (!takeTone(context, QStringLiteral("--tone"), line.tone, choice.rxTone) ||
        !takeTone(context, QStringLiteral("--tx-tone"), line.txTone, choice.txTone))
        return ExitStatus::Usage;
    choice.txTone = choice.txTone ? choice.txTone : choice.rxTone;

    Workspace& workspace = context.workspace();
    const QString band = workspace.bands.selectedText();
    const PlanFill fill = PlanFilling::prepare(loaded->plan, choice, band, workspace.words);
    PlanFilling::apply(workspace, fill);
    if (const QString leftOut =
            PlanFilling::leftOutText(loaded->plan, fill, band, context.language());
        !leftOut.isEmpty())
        context.note(leftOut);

    return printOrSave(context, output);
}

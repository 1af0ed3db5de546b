#include "cli/ContentsOutput.h"

#include "cli/ChannelFiles.h"
#include "cli/CliContext.h"
#include "cli/ContentsTable.h"

ExitStatus printOrSave(CliContext& context, const QString& output)
{
    if (output.isEmpty()) {
        context.out() << contentsTable(context);
        return ExitStatus::Done;
    }
    if (const FileResult saved = ChannelFiles::save(context, output); !saved.ok()) {
        context.error(saved.errorText());
        return ExitStatus::FileProblem;
    }
    // On standard output the file speaks for itself.
    if (output != ChannelFiles::StandardStream)
        noteSaved(context, output);
    return ExitStatus::Done;
}

void noteSaved(CliContext& context, const QString& output)
{
    context.note(context.say(QStringLiteral("Saved %1").arg(output),
                             QStringLiteral("已保存 %1").arg(output)));
}

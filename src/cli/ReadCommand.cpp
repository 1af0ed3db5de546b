#include "cli/ChannelFiles.h"
#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "cli/ContentsOutput.h"
#include "cli/RadioSteps.h"

ExitStatus Commands::read(CliContext& context)
{
    const QString output = context.line().output;
    // Known before the radio is touched, so that a read is never lost to a wrong name.
    if (!output.isEmpty() && ChannelFiles::kindToWrite(output) == ChannelFiles::Kind::Unknown) {
        context.error(ChannelFiles::unknownKindText(context, output));
        return ExitStatus::FileProblem;
    }
    if (const ExitStatus read = RadioSteps::readNamedPort(context); read != ExitStatus::Done)
        return read;

    return printOrSave(context, output);
}

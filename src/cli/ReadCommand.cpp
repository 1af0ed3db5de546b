#include "cli/ChannelFiles.h"
#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "cli/ContentsJson.h"
#include "cli/ContentsOutput.h"
#include "cli/FleetCommands.h"
#include "cli/JsonOutput.h"
#include "cli/RadioSteps.h"

ExitStatus Commands::read(CliContext& context)
{
    const QString output = context.line().output;
    // Known before the radio is touched, so that a read is never lost to a wrong name.
    if (!output.isEmpty() && ChannelFiles::kindToWrite(output) == ChannelFiles::Kind::Unknown) {
        context.error(ChannelFiles::unknownKindText(context, output));
        return ExitStatus::FileProblem;
    }
    if (context.line().isFleet())
        return FleetCommands::read(context);
    if (const ExitStatus read = RadioSteps::readNamedPort(context); read != ExitStatus::Done)
        return read;

    if (context.line().json) {
        const Workspace& workspace = context.workspace();
        JsonOutput::print(context,
                          ContentsJson::contents(workspace.radioContents(), workspace.words));
        return ExitStatus::Done;
    }
    return printOrSave(context, output);
}

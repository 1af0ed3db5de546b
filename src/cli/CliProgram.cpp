#include "cli/CliProgram.h"

#include "backups/BackupFolder.h"
#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "cli/JsonOutput.h"

#include "workspace/FileIo.h"
#include "workspace/IoErrorText.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>
#include <memory>

#include <unistd.h>

namespace {

ExitStatus runCommand(CliContext& context)
{
    using Command = CommandLine::Command;
    switch (context.line().command) {
    case Command::Ports:
        return Commands::ports(context);
    case Command::Read:
        return Commands::read(context);
    case Command::Write:
        return Commands::write(context);
    case Command::Verify:
        return Commands::verify(context);
    case Command::Diff:
        return Commands::diff(context);
    case Command::Convert:
        return Commands::convert(context);
    case Command::CalibrationRead:
        return Commands::readCalibration(context);
    case Command::CalibrationWrite:
        return Commands::writeCalibration(context);
    case Command::Plan:
        return Commands::plan(context);
    case Command::Sheet:
        return Commands::sheet(context);
    case Command::None:
        break;
    }
    return ExitStatus::Usage;
}

// With --json, a command that failed prints why as its document, so that the output is
// one JSON document whatever happened.
ExitStatus finish(CliContext& context, ExitStatus status, bool json)
{
    if (json && status != ExitStatus::Done && status != ExitStatus::Differences)
        JsonOutput::print(context, JsonOutput::failure(status, context.lastError()));
    return context.finishOutput(status);
}

// As the window does at start-up, a command that uses the radio clears backups older than
// a year; nothing else is ever removed.
void removeOldBackups()
{
    BackupFolder::standard().removeOldBackups();
}

} // namespace

bool CliProgram::paintsPages(const QStringList& arguments)
{
    return CommandLine::parse(arguments, Language::English).command == CommandLine::Command::Sheet;
}

int CliProgram::main(int argc, char* argv[], std::optional<Link::WaitLengths> testWaits)
{
    QStringList arguments;
    for (int index = 1; index < argc; ++index)
        arguments.append(QString::fromLocal8Bit(argv[index]));
    std::unique_ptr<QCoreApplication> application;
    if (paintsPages(arguments)) {
        // The sheet's text needs fonts, which come with a QGuiApplication; it paints into a
        // file, so the offscreen platform serves without a display.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("qv3307-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QV3307_VERSION));
    const ExitStatus status = run(QCoreApplication::applicationDirPath(),
                                  QCoreApplication::arguments().mid(1), testWaits);
    return int(status);
}

ExitStatus CliProgram::run(const QString& programFolder, const QStringList& arguments,
                           std::optional<Link::WaitLengths> testWaits)
{
    // Parsed once to learn the language; a usage error is worded again in it below.
    CommandLine line = CommandLine::parse(arguments, Language::English);
    if (line.version && line.error.isEmpty()) {
        const QString version = QStringLiteral("%1 %2\n").arg(
            QCoreApplication::applicationName(), QCoreApplication::applicationVersion());
        if (const int error = FileIo::writeDescriptor(STDOUT_FILENO, version.toUtf8());
            error != 0) {
            std::fprintf(stderr, "qv3307-cli: cannot write to standard output: %s\n",
                         qPrintable(ioErrorCause(error, QStringLiteral("-"), Language::English)));
            return ExitStatus::FileProblem;
        }
        return ExitStatus::Done;
    }
    if (!line.language)
        line.language = CommandLine::requestedLanguage(arguments);

    CliContext context(programFolder, line, testWaits);
    if (!line.error.isEmpty()) {
        const CommandLine worded = CommandLine::parse(arguments, context.language());
        const QString command = CommandLine::commandName(worded.command);
        const QString help = command.isEmpty()
                                 ? QStringLiteral("qv3307-cli --help")
                                 : QStringLiteral("qv3307-cli %1 --help").arg(command);
        context.error(inLanguage(context.language(),
                                 QStringLiteral("%1; see %2").arg(worded.error, help),
                                 QStringLiteral("%1；参见 %2").arg(worded.error, help)));
        return finish(context, ExitStatus::Usage, CommandLine::requestedJson(arguments));
    }
    if (line.help) {
        context.out() << CommandLine::helpText(line.command, context.language());
        return context.finishOutput(ExitStatus::Done);
    }
    // A dry run changes nothing, not even the backups folder.
    if (line.usesRadio() && !line.dryRun)
        removeOldBackups();
    return finish(context, runCommand(context), line.json);
}

#include "CliRun.h"

#include "support/RadioImage.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <csignal>

QString CliRun::Outcome::firstLine(const QByteArray& bytes)
{
    return QString::fromUtf8(bytes).section(QLatin1Char('\n'), 0, 0);
}

CliRun::CliRun(const QByteArray& image) : m_radio(memoryOf(image)) {}

bool CliRun::start()
{
    m_program.copyCompanionFiles();
#ifdef TEST_WAITS_CLI
    // The command line with the suites' link waits, in the program's place (TestWaitsCli.cpp).
    const QString program = m_program.filePath(QStringLiteral("qv3307-cli"));
    if (!QFile::remove(program) || !QFile::copy(QStringLiteral(TEST_WAITS_CLI), program))
        return false;
#endif
    if (!m_radio.start())
        return false;
    m_program.mapComPort(1, m_radio.slavePath());
    QDir(m_home.path()).mkpath(QStringLiteral("scratch"));
    return m_home.isValid() && m_program.exists(QStringLiteral("qv3307-cli"));
}

QString CliRun::backupFolder() const
{
    return m_home.filePath(QStringLiteral("data/qv3307/backups"));
}

QString CliRun::file(const QString& name) const
{
    return m_home.filePath(QStringLiteral("scratch/") + name);
}

QProcessEnvironment CliRun::environment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), m_home.path());
    environment.insert(QStringLiteral("XDG_DATA_HOME"), m_home.filePath(QStringLiteral("data")));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                       m_home.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), m_home.filePath(QStringLiteral("cache")));
    environment.insert(m_extraEnvironment);
    return environment;
}

void CliRun::setEnvironment(const QString& name, const QString& value)
{
    m_extraEnvironment.insert(name, value);
}

CliRun::Outcome CliRun::run(const QStringList& arguments, const QByteArray& input,
                            const QString& errorDevice, const QString& outputDevice) const
{
    QProcess process;
    process.setProcessEnvironment(environment());
    process.setWorkingDirectory(m_home.filePath(QStringLiteral("scratch")));
    if (!errorDevice.isEmpty())
        process.setStandardErrorFile(errorDevice, QIODevice::Append);
    if (!outputDevice.isEmpty())
        process.setStandardOutputFile(outputDevice, QIODevice::Append);
    process.start(m_program.filePath(QStringLiteral("qv3307-cli")), arguments);
    if (!process.waitForStarted())
        return {};
    process.write(input);
    process.closeWriteChannel();
    return finish(process);
}

std::unique_ptr<QProcess> CliRun::start(const QStringList& arguments) const
{
    auto process = std::make_unique<QProcess>();
    process->setProcessEnvironment(environment());
    process->setWorkingDirectory(m_home.filePath(QStringLiteral("scratch")));
    // A test run in the background of a shell inherits these signals ignored, and a
    // program leaves an ignored signal ignored.
    process->setChildProcessModifier([] {
        for (const int signal : {SIGINT, SIGTERM, SIGHUP})
            std::signal(signal, SIG_DFL);
    });
    process->start(m_program.filePath(QStringLiteral("qv3307-cli")), arguments);
    return process;
}

CliRun::Outcome CliRun::finish(QProcess& process)
{
    Outcome outcome;
    if (!process.waitForFinished(60000))
        return outcome;
    outcome.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    outcome.out = process.readAllStandardOutput();
    outcome.err = process.readAllStandardError();
    return outcome;
}

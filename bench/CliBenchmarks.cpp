#include "CliBenchmarks.h"

#include "BenchLine.h"
#include "BenchProgram.h"
#include "RadioSimulator.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <vector>

namespace {

constexpr double BitsPerByte = 10; // start bit, 8 data bits, stop bit
constexpr double BitsPerSecond = 9600;
constexpr int StartRuns = 10;
constexpr int TimeoutMs = 30000;

// Runs qv3307-cli with a home of its own, so its backups land in a scratch folder.
std::optional<double> runSeconds(const QStringList& arguments, const QString& home)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home);
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/data"));
    process.setProcessEnvironment(environment);
    QElapsedTimer timer;
    timer.start();
    process.start(QStringLiteral(QV3307_CLI), arguments);
    if (!process.waitForFinished(TimeoutMs) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        benchFailed(QStringLiteral("qv3307-cli %1 failed: %2")
                        .arg(arguments.join(QLatin1Char(' ')),
                             QString::fromLocal8Bit(process.readAllStandardError()).trimmed()));
        return std::nullopt;
    }
    return timer.nsecsElapsed() / 1e9;
}

} // namespace

std::optional<double> cliReadTimeRatio()
{
    QTemporaryDir home;
    RadioSimulator radio(programmedRadio());
    if (!radio.start())
        return benchFailed(radio.errorString());
    radio.setPaced(true);
    const std::optional<double> seconds = runSeconds(
        {QStringLiteral("read"), QStringLiteral("--port"), radio.slavePath()}, home.path());
    if (!seconds)
        return std::nullopt;
    const double bytes = double(radio.received().size() + radio.sent().size());
    return *seconds / (bytes * BitsPerByte / BitsPerSecond);
}

std::optional<double> cliStartMs()
{
    QTemporaryDir home;
    std::vector<double> runs;
    for (int run = 0; run < StartRuns; ++run) {
        const std::optional<double> seconds =
            runSeconds({QStringLiteral("--version")}, home.path());
        if (!seconds)
            return std::nullopt;
        runs.push_back(*seconds * 1000);
    }
    std::sort(runs.begin(), runs.end());
    return (runs[StartRuns / 2 - 1] + runs[StartRuns / 2]) / 2;
}

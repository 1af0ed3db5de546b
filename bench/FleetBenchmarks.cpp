#include "FleetBenchmarks.h"

#include "BenchLine.h"
#include "BenchProgram.h"
#include "RadioSimulator.h"
#include "backups/FleetRun.h"
#include "workspace/Workspace.h"
#include "workspace/WorkspaceSnapshot.h"

#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

namespace {
using Clock = std::chrono::steady_clock;
constexpr int Rounds = 2;

// Seconds for a checked write of `count` paced radios at once; nothing when one failed.
std::optional<double> fleetSeconds(int count)
{
    std::vector<std::unique_ptr<RadioSimulator>> radios;
    QList<FleetPort> ports;
    for (int index = 0; index < count; ++index) {
        radios.push_back(std::make_unique<RadioSimulator>(programmedRadio()));
        if (!radios.back()->start())
            return benchFailed(radios.back()->errorString());
        ports << FleetPort{QStringLiteral("COM%1").arg(index + 1), radios.back()->slavePath()};
    }

    // What is written is what a read of the radio gave, read at full speed beforehand.
    Workspace workspace;
    workspace.words = {QStringLiteral("OFF"), QStringLiteral("ON"), QStringLiteral("High"),
                       QStringLiteral("Low")};
    QTemporaryDir backups;
    FleetRun read(FleetTask::Read, BackupFolder(backups.path()));
    read.addRadio(ports.front(), WorkspaceSnapshot::of(workspace));
    if (!read.run() || !read.outcome(0).succeeded())
        return benchFailed(QStringLiteral("the read before the fleet write failed"));
    WorkspaceSnapshot snapshot = WorkspaceSnapshot::of(workspace);
    snapshot.contents = read.outcome(0).contents;

    for (const auto& radio : radios) {
        radio->setPaced(true);
        radio->clearLog();
    }
    FleetRun fleet(FleetTask::Write, BackupFolder(backups.path()));
    for (const FleetPort& port : ports)
        fleet.addRadio(port, snapshot);
    const Clock::time_point start = Clock::now();
    if (!fleet.run() || fleet.tally().verified != count)
        return benchFailed(QStringLiteral("a simulated radio of the fleet was not verified"));
    return std::chrono::duration<double>(Clock::now() - start).count();
}

std::optional<double> bestOf(int count)
{
    std::optional<double> best;
    for (int round = 0; round < Rounds; ++round) {
        const std::optional<double> seconds = fleetSeconds(count);
        if (!seconds)
            return std::nullopt;
        best = best ? std::min(*best, *seconds) : *seconds;
    }
    return best;
}
} // namespace

std::optional<double> fleetFourTimeRatio()
{
    const std::optional<double> one = bestOf(1);
    const std::optional<double> four = one ? bestOf(4) : std::nullopt;
    if (!four)
        return std::nullopt;
    return *four / *one;
}

#include "ReadWriteBenchmarks.h"

#include "BenchLine.h"
#include "BenchProgram.h"
#include "RadioSimulator.h"
#include "backups/SafeWriteRun.h"
#include "link/Link.h"
#include "link/RadioExchange.h"
#include "link/ReadProcedure.h"
#include "link/WriteProcedure.h"
#include "workspace/Messenger.h"
#include "workspace/Workspace.h"

#include <QTemporaryDir>

#include <atomic>
#include <chrono>
#include <thread>

using Clock = std::chrono::steady_clock;

namespace {
constexpr double BitsPerByte = 10; // start bit, 8 data bits, stop bit
constexpr double BitsPerSecond = 9600;

struct NoReport : SafeWriteReport
{
    void stageStarted(SafeWriteStage) override {}
    void setProgress(int) override {}
};
} // namespace

std::optional<double> ExchangeMeasurement::timeRatio()
{
    const std::optional<Figures>& measured = figures();
    if (!measured)
        return std::nullopt;
    const double lineSeconds = measured->bytes * BitsPerByte / BitsPerSecond;
    return measured->wallSeconds / lineSeconds;
}

std::optional<double> ExchangeMeasurement::bytes()
{
    const std::optional<Figures>& measured = figures();
    if (!measured)
        return std::nullopt;
    return measured->bytes;
}

const std::optional<ExchangeMeasurement::Figures>& ExchangeMeasurement::figures()
{
    if (!m_measured) {
        m_figures = measure();
        m_measured = true;
    }
    return m_figures;
}

std::optional<ExchangeMeasurement::Figures> ExchangeMeasurement::measure() const
{
    RadioSimulator radio(programmedRadio());
    // The exchange is over when the radio has its last exit command, the last bytes on the
    // line; a checked write has three sessions, each ending with one.
    std::atomic<Clock::rep> exitArrived = 0;
    std::atomic<int> exits = 0;
    radio.onCommand = [&exitArrived, &exits](const RadioSimulator::CommandEntry& entry) {
        if (entry.command.kind == RadioProtocol::CommandKind::Exit) {
            exitArrived = Clock::now().time_since_epoch().count();
            ++exits;
        }
    };
    const int sessions = m_procedure == Procedure::CheckedWrite ? 3 : 1;
    BenchLine line;
    QString error;
    if (!line.open(radio, &error))
        return benchFailed(error);
    Link& link = line.link();

    Workspace workspace;
    workspace.words = {QStringLiteral("OFF"), QStringLiteral("ON"), QStringLiteral("High"),
                       QStringLiteral("Low")};
    CountingMessages messages;
    Messenger messenger(messages, workspace);
    NoProgress progress;
    RadioExchange exchange(link, progress, messenger);

    // The serial port hands its bytes to the line from the event loop: closing it lets the
    // exit command leave, and the exchange is over once the radio has it.
    const auto exitReached = [&](int count) {
        link.closePort();
        const Clock::time_point giveUp = Clock::now() + std::chrono::seconds(2);
        while (exits < count && Clock::now() < giveUp)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        return exits >= count;
    };

    // A write sends what a read of the radio gave, read at full speed beforehand.
    if (m_procedure != Procedure::Read) {
        if (ReadProcedure(workspace, exchange).run() != RadioExchange::Result::Done ||
            !exitReached(1))
            return benchFailed(QStringLiteral("the read before the write failed"));
        exitArrived = 0;
        exits = 0;
        radio.clearLog();
        link.openPort();
    }
    radio.setPaced(true);

    QTemporaryDir backups;
    const auto checkedWrite = [&] {
        NoReport report;
        return SafeWriteRun(workspace, link, report, BackupFolder(backups.path()), {})
            .run()
            .result();
    };
    const Clock::time_point start = Clock::now();
    RadioExchange::Result result = RadioExchange::Result::Done;
    switch (m_procedure) {
    case Procedure::Read:
        result = ReadProcedure(workspace, exchange).run();
        break;
    case Procedure::Write:
        result = WriteProcedure(workspace, exchange, messenger).run();
        break;
    case Procedure::CheckedWrite:
        result = checkedWrite();
        break;
    }
    if (result != RadioExchange::Result::Done || messages.boxes > 0)
        return benchFailed(QStringLiteral("the simulated radio did not answer every request"));
    if (!exitReached(sessions))
        return benchFailed(QStringLiteral("the exit command never reached the simulated radio"));

    const Clock::time_point end{Clock::duration(exitArrived.load())};
    const std::chrono::duration<double> wall = end - start;
    return Figures{wall.count(), int(radio.received().size() + radio.sent().size())};
}

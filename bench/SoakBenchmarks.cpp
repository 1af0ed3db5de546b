#include "SoakBenchmarks.h"

#include "BenchLine.h"
#include "BenchProgram.h"
#include "RadioSimulator.h"
#include "link/Link.h"
#include "link/RadioExchange.h"
#include "link/ReadProcedure.h"
#include "link/WriteProcedure.h"
#include "workspace/Messenger.h"
#include "workspace/Workspace.h"

#include <QDir>
#include <QFile>

#include <chrono>
#include <thread>

namespace {
using Result = RadioExchange::Result;

// The process's resident memory in kB, from /proc/self/status.
double residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').front().toDouble();
    }
    return 0;
}

int openDescriptors()
{
    return int(QDir(QStringLiteral("/proc/self/fd"))
                   .entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)
                   .size());
}

// The program's side: its data, its boxes and the procedures, on one link.
struct Program
{
    explicit Program(Link& link) : link(link)
    {
        workspace.words = {QStringLiteral("OFF"), QStringLiteral("ON"), QStringLiteral("High"),
                           QStringLiteral("Low")};
        workspace.bands.append(QStringLiteral("136-174MHz"));
        workspace.bands.select(0);
    }

    // What the read/write dialog does: open the port, run, close it.
    Result run(bool reading)
    {
        if (!link.openPort())
            return Result::Failed;
        const Result result = reading ? ReadProcedure(workspace, exchange).run()
                                      : WriteProcedure(workspace, exchange, messenger).run();
        link.closePort();
        return result;
    }

    Link& link;
    Workspace workspace;
    CountingMessages messages;
    Messenger messenger{messages, workspace};
    NoProgress progress;
    RadioExchange exchange{link, progress, messenger};
};
} // namespace

std::optional<double> SoakMeasurement::cyclesFailed()
{
    const std::optional<Figures>& measured = figures();
    return measured ? std::optional<double>(measured->cyclesFailed) : std::nullopt;
}

std::optional<double> SoakMeasurement::rssGrowthKb()
{
    const std::optional<Figures>& measured = figures();
    return measured ? std::optional<double>(measured->rssGrowthKb) : std::nullopt;
}

std::optional<double> SoakMeasurement::fdGrowth()
{
    const std::optional<Figures>& measured = figures();
    return measured ? std::optional<double>(measured->fdGrowth) : std::nullopt;
}

const std::optional<SoakMeasurement::Figures>& SoakMeasurement::figures()
{
    if (!m_measured) {
        m_figures = measure();
        m_measured = true;
    }
    return m_figures;
}

std::optional<SoakMeasurement::Figures> SoakMeasurement::measure()
{
    const RadioMemory radioMemory = programmedRadio();
    RadioSimulator radio(radioMemory);
    BenchLine line;
    QString error;
    if (!line.open(radio, &error))
        return benchFailed(error);
    line.link().closePort();
    Program program(line.link());

    // Every read must give what the first one gave, and the first what the radio holds;
    // every write sends it back, so the radio never changes.
    std::optional<RadioContents> firstRead;
    const auto cycleWorked = [&] {
        // The simulator keeps its log for the last cycle only.
        radio.clearLog();
        const int boxes = program.messages.boxes;
        if (program.run(true) != Result::Done)
            return false;
        const RadioContents read = program.workspace.radioContents();
        if (!firstRead)
            firstRead = read;
        if (read != *firstRead || program.run(false) != Result::Done)
            return false;
        return program.messages.boxes == boxes && radio.memory() == radioMemory;
    };

    Figures figures;
    double residentAfterFirst = 0;
    int descriptorsAfterFirst = 0;
    for (int cycle = 1; cycle <= Cycles; ++cycle) {
        if (!cycleWorked())
            ++figures.cyclesFailed;
        if (cycle == 1) {
            residentAfterFirst = residentKb();
            descriptorsAfterFirst = openDescriptors();
        }
    }
    figures.rssGrowthKb = residentKb() - residentAfterFirst;
    figures.fdGrowth = openDescriptors() - descriptorsAfterFirst;
    if (!firstRead || firstRead->band != QStringLiteral("400-470MHz") ||
        firstRead->channel(1)[0] != QStringLiteral("435.12500"))
        ++figures.cyclesFailed;
    // The last write's bytes may still be on their way to the radio.
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (radio.commands(RadioProtocol::CommandKind::Exit).isEmpty() &&
           std::chrono::steady_clock::now() < giveUp)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    if (radio.memory() != radioMemory)
        ++figures.cyclesFailed;
    return figures;
}

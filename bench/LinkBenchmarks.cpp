#include "LinkBenchmarks.h"

#include "BenchLine.h"
#include "ProcessClock.h"
#include "RadioSimulator.h"

std::optional<double> handshakeSilentCpuShare()
{
    RadioFaults silent;
    silent.silent = true;
    RadioSimulator radio;
    radio.setFaults(silent);
    BenchLine line;
    QString error;
    if (!line.open(radio, &error))
        return benchFailed(error);
    Link& link = line.link();
    link.setDataArrived(false);

    const ProcessClock start = ProcessClock::now();
    const bool answered = link.handshake(Link::Wait::UntilData);
    const double share = ProcessClock::now().cpuShareSince(start);
    link.closePort();
    if (answered)
        return benchFailed(QStringLiteral("the silent radio answered the hello"));
    return share;
}

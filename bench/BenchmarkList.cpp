#include "BenchmarkList.h"

#include "CliBenchmarks.h"
#include "LinkBenchmarks.h"
#include "ReadWriteBenchmarks.h"
#include "SoakBenchmarks.h"

#include <memory>

QList<Benchmark> benchmarkList()
{
    using Procedure = ExchangeMeasurement::Procedure;
    // Each exchange runs once, however many of its figures are asked for.
    const auto read = std::make_shared<ExchangeMeasurement>(Procedure::Read);
    const auto write = std::make_shared<ExchangeMeasurement>(Procedure::Write);
    const auto soak = std::make_shared<SoakMeasurement>();
    return {
        {QStringLiteral("handshake_silent_cpu_share"), &handshakeSilentCpuShare},
        {QStringLiteral("read_time_ratio"), [read] { return read->timeRatio(); }},
        {QStringLiteral("read_bytes"), [read] { return read->bytes(); }},
        {QStringLiteral("write_time_ratio"), [write] { return write->timeRatio(); }},
        {QStringLiteral("write_bytes"), [write] { return write->bytes(); }},
        // 300 reads and writes on an unpaced line: leaks and failures, not speed.
        {QStringLiteral("soak_cycles_failed"), [soak] { return soak->cyclesFailed(); }},
        {QStringLiteral("soak_rss_growth_kb"), [soak] { return soak->rssGrowthKb(); }},
        {QStringLiteral("soak_fd_growth"), [soak] { return soak->fdGrowth(); }},
        {QStringLiteral("cli_read_time_ratio"), &cliReadTimeRatio},
        {QStringLiteral("cli_start_ms"), &cliStartMs},
    };
}

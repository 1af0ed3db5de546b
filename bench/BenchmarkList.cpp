#include "BenchmarkList.h"

#include "CliBenchmarks.h"
#include "FleetBenchmarks.h"
#include "LinkBenchmarks.h"
#include "ReadWriteBenchmarks.h"
#include "SettingsBenchmarks.h"
#include "SoakBenchmarks.h"
#include "WindowBenchmarks.h"

#include <memory>

QList<Benchmark> benchmarkList()
{
    using Procedure = ExchangeMeasurement::Procedure;
    // Each exchange runs once, however many of its figures are asked for.
    const auto read = std::make_shared<ExchangeMeasurement>(Procedure::Read);
    const auto write = std::make_shared<ExchangeMeasurement>(Procedure::Write);
    const auto checkedWrite = std::make_shared<ExchangeMeasurement>(Procedure::CheckedWrite);
    const auto soak = std::make_shared<SoakMeasurement>();
    const auto settings = std::make_shared<SettingsMeasurement>();
    const auto window = std::make_shared<WindowStartMeasurement>();
    return {
        {QStringLiteral("handshake_silent_cpu_share"), &handshakeSilentCpuShare},
        {QStringLiteral("read_time_ratio"), [read] { return read->timeRatio(); }},
        {QStringLiteral("read_bytes"), [read] { return read->bytes(); }},
        {QStringLiteral("write_time_ratio"), [write] { return write->timeRatio(); }},
        {QStringLiteral("write_bytes"), [write] { return write->bytes(); }},
        // Backup, write and read-back: three sessions back to back.
        {QStringLiteral("safe_write_time_ratio"),
         [checkedWrite] { return checkedWrite->timeRatio(); }},
        // 300 reads and writes on an unpaced line: leaks and failures, not speed.
        {QStringLiteral("soak_cycles_failed"), [soak] { return soak->cyclesFailed(); }},
        {QStringLiteral("soak_rss_growth_kb"), [soak] { return soak->rssGrowthKb(); }},
        {QStringLiteral("soak_fd_growth"), [soak] { return soak->fdGrowth(); }},
        // qv3307.ini with 1000 bands: start-up and exit, in milliseconds.
        {QStringLiteral("settings_1000_bands_startup_ms"),
         [settings] { return settings->startupMs(); }},
        {QStringLiteral("settings_1000_bands_exit_ms"), [settings] { return settings->exitMs(); }},
        {QStringLiteral("cli_read_time_ratio"), &cliReadTimeRatio},
        {QStringLiteral("cli_start_ms"), &cliStartMs},
        // The window's first frame against a bare window's, and the memory it takes.
        {QStringLiteral("window_start_ratio"), [window] { return window->startRatio(); }},
        {QStringLiteral("window_start_cpu_ratio"), [window] { return window->startCpuRatio(); }},
        {QStringLiteral("window_rss_extra_kb"), [window] { return window->rssExtraKb(); }},
        {QStringLiteral("window_start_ms"), [window] { return window->programStartMs(); }},
        {QStringLiteral("bare_window_start_ms"), [window] { return window->bareWindowStartMs(); }},
        // Four radios backed up, written and verified at once, over one the same way.
        {QStringLiteral("fleet_4_time_ratio"), &fleetFourTimeRatio},
    };
}

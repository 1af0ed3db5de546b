#include "BenchmarkList.h"

#include "LinkBenchmarks.h"

QList<Benchmark> benchmarkList()
{
    return {
        {QStringLiteral("handshake_silent_cpu_share"), &handshakeSilentCpuShare},
    };
}

#include "ProcessClock.h"

#include <sys/resource.h>
#include <time.h>

namespace {
double seconds(const timeval& time)
{
    return double(time.tv_sec) + double(time.tv_usec) / 1e6;
}
} // namespace

ProcessClock ProcessClock::now()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    timespec wall{};
    clock_gettime(CLOCK_MONOTONIC, &wall);
    return {seconds(usage.ru_utime) + seconds(usage.ru_stime),
            double(wall.tv_sec) + double(wall.tv_nsec) / 1e9};
}

double ProcessClock::cpuShareSince(const ProcessClock& start) const
{
    const double wall = wallSeconds - start.wallSeconds;
    return wall > 0 ? (cpuSeconds - start.cpuSeconds) / wall : 0;
}

#pragma once

// Where a measurement stands: the CPU time the whole process has used (every thread, user
// and system) and the monotonic wall clock, both in seconds.
struct ProcessClock
{
    double cpuSeconds = 0;
    double wallSeconds = 0;

    static ProcessClock now();
    // CPU time used since `start`, divided by the wall time that passed.
    double cpuShareSince(const ProcessClock& start) const;
};

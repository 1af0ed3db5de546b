#pragma once

#include <optional>

// Complete reads and writes of the simulated radio, one after the other in one process,
// each with the port opened and closed as the read/write dialog does, and reported by
// three figures: how many cycles failed (a message, or data other than the radio's), and
// how much the resident memory and the number of open file descriptors grew from the end
// of the first cycle to the end of the last. The line is not paced: the soak looks for
// leaks and failures, not for speed.
class SoakMeasurement
{
public:
    static constexpr int Cycles = 300;

    std::optional<double> cyclesFailed();
    std::optional<double> rssGrowthKb();
    std::optional<double> fdGrowth();

private:
    struct Figures
    {
        int cyclesFailed = 0;
        double rssGrowthKb = 0;
        int fdGrowth = 0;
    };

    const std::optional<Figures>& figures();
    static std::optional<Figures> measure();

    bool m_measured = false;
    std::optional<Figures> m_figures;
};

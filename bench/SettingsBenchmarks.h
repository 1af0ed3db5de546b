#pragma once

#include <optional>

// How long qv3307.ini takes with a thousand bands in it, the most the program reads: the
// start-up, which opens the file and reads the stored choices, and the exit, which opens it
// and writes the same choices back (nothing changed, so nothing goes to disk). In
// milliseconds, the best of a few rounds, so that a busy machine disturbs the figure less.
class SettingsMeasurement
{
public:
    static constexpr int Bands = 1000;
    static constexpr int Rounds = 5;

    std::optional<double> startupMs();
    std::optional<double> exitMs();

private:
    struct Figures
    {
        double startupMs = 0;
        double exitMs = 0;
    };

    const std::optional<Figures>& figures();
    static std::optional<Figures> measure();

    bool m_measured = false;
    std::optional<Figures> m_figures;
};

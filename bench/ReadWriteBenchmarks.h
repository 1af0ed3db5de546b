#pragma once

#include <optional>

// A complete read or write (or a write with its backup before and its read-back after) of
// the simulated radio on a 9600-baud line, run once and then
// reported by several figures: the wall time divided by the time the line needs for the
// bytes exchanged (near 1 when the program and its waits lose no time between the radio's
// answers), and the number of those bytes.
class ExchangeMeasurement
{
public:
    enum class Procedure { Read, Write, CheckedWrite };

    explicit ExchangeMeasurement(Procedure procedure) : m_procedure(procedure) {}

    std::optional<double> timeRatio();
    std::optional<double> bytes();

private:
    struct Figures
    {
        double wallSeconds = 0;
        int bytes = 0;
    };

    const std::optional<Figures>& figures();
    std::optional<Figures> measure() const;

    Procedure m_procedure;
    bool m_measured = false;
    std::optional<Figures> m_figures;
};

#pragma once

#include <QSize>

#include <optional>

// The desktop program's start-up against a bare window's, whole processes on one X display
// (a private Xvfb). Each run ends when the X server first receives drawing into a window
// (see ScreenWatch); a program that draws nothing never ends it. The memory is the
// process's resident set after its first frame and the work it does just after it. The
// runs alternate between the program and qv3307-bare-window, a Qt Widgets window of the
// size of the program's main window showing one line of text; the first run of each warms
// the caches and is not counted, and each figure is the median of the runs that follow.
class WindowStartMeasurement
{
public:
    static constexpr int Runs = 7;

    // The program's time to its first frame over the bare window's.
    std::optional<double> startRatio();
    // The same with the processor time each process (all its threads) took until then: on
    // a busy machine it swings less than the time on the clock.
    std::optional<double> startCpuRatio();
    // The program's resident memory less the bare window's, in kB.
    std::optional<double> rssExtraKb();
    // Either program's time to its first frame, in milliseconds.
    std::optional<double> programStartMs();
    std::optional<double> bareWindowStartMs();

private:
    struct Start
    {
        double milliseconds = 0;
        double cpuMilliseconds = 0;
        double residentKb = 0;
    };
    struct Figures
    {
        Start program;
        Start bareWindow;
    };

    const std::optional<Figures>& figures();
    static std::optional<Figures> measure();

    bool m_measured = false;
    std::optional<Figures> m_figures;
};

#pragma once

#include <optional>

// qv3307-cli as a user runs it, a whole process each time.

// `qv3307-cli read` of the simulated radio on a 9600-baud line, from the process's start to
// its end (start-up, the read, the backup and the table printed), over the time the line
// needs for the bytes exchanged.
std::optional<double> cliReadTimeRatio();

// `qv3307-cli --version`, in milliseconds: the median of 10 runs.
std::optional<double> cliStartMs();

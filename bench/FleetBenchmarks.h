#pragma once

#include <optional>

// The time to back up, write and verify four simulated radios on four ports at once, all on
// paced 9600-baud lines, over the time for one the same way (the better of two rounds
// each): near 1 when the radios lose nothing to one another.
std::optional<double> fleetFourTimeRatio();

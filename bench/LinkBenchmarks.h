#pragma once

#include <optional>

// The process's CPU time divided by wall time while a handshake waits out a radio that
// never answers: near 0 for waits that sleep in the event loop, near 1 for a spinning wait.
std::optional<double> handshakeSilentCpuShare();

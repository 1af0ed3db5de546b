#pragma once

#include "link/Link.h"

// How long the link waits in the suites that do not test the waits themselves.
//
// A prompt simulated radio answers well inside the real 250 and 550 ms in the plain build,
// even on a busy machine. Under the sanitizers the program and the radio's thread both run
// several times slower, and the program does its painting and its writes to the port inside
// the waits: on a busy machine a prompt radio's answer then lands after a 250 ms wait now
// and then, and a row that has nothing to do with timing fails. So these lengths are the
// ones a row asks for in the plain build, stretched by how much slower the build runs.
// Rows that test the waits themselves keep the real ones (Link::WaitLengths{}).
namespace TestWaits {

// How many times longer the waits run than in the plain build.
#ifdef QV3307_SANITIZED_TESTS
inline constexpr int Stretch = 4;
#else
inline constexpr int Stretch = 1;
#endif

// For a radio that is to answer in time: the real lengths, stretched.
inline constexpr Link::WaitLengths Prompt{.shortMs = Link::ShortWait * Stretch,
                                          .longMs = Link::LongWait * Stretch};

// For fault tables whose rows mostly end with a radio that does not answer: shorter, so
// that it fails sooner, and still stretched.
inline constexpr Link::WaitLengths Short{.shortMs = 100 * Stretch, .longMs = 150 * Stretch};

} // namespace TestWaits

#pragma once
// The process-wide pseudo-random generator: scatter, palettes, photo choice.

#include <cstdint>

namespace zol {

// Restarts the sequence; the program seeds from the clock, tests and zoltool
// seed a fixed number so that their results repeat.
void SeedRandom(uint32_t seed);
void SeedRandomFromClock();

// A uniformly distributed integer in 0 .. 2^31 - 1.
int32_t NextRandom();

} // namespace zol

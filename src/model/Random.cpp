#include "model/Random.h"

#include <chrono>
#include <random>

namespace zol {

namespace {
std::mt19937& Generator()
{
    static std::mt19937 generator(1);
    return generator;
}
} // namespace

void SeedRandom(uint32_t seed) { Generator().seed(seed); }

void SeedRandomFromClock()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    SeedRandom(static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
}

int32_t NextRandom() { return static_cast<int32_t>(Generator()() >> 1); }

} // namespace zol

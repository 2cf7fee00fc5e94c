#include "BoardBaseline.h"

#include "model/Figure.h"

#include <cstring>

namespace zol::bench {

std::vector<uint8_t> BoardBuffer() { return std::vector<uint8_t>(size_t(BoardSize) * BoardSize * 4, 0); }

void WriteBoardOnce(std::vector<uint8_t>& buffer)
{
    static int value = 0;
    std::memset(buffer.data(), ++value & 0xFF, buffer.size());
    benchmark::ClobberMemory();
}

namespace {

// The baseline against itself: x_memset near 1 shows the measurement is sound.
void BM_BoardMemset(benchmark::State& state)
{
    std::vector<uint8_t> buffer = BoardBuffer();
    MeasureAgainstMemset(state, [&] { WriteBoardOnce(buffer); });
}

} // namespace

BENCHMARK(BM_BoardMemset);

} // namespace zol::bench

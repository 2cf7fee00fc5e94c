#pragma once
// The yardstick of the drawing benchmarks: writing a 512 x 512 RGB32 board
// buffer once (memset). Times are reported as ratios to it, measured side by
// side in the same iterations, so that they hold on a noisy or shared machine.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <vector>

namespace zol::bench {

// One memset of a board-sized buffer.
void WriteBoardOnce(std::vector<uint8_t>& buffer);
std::vector<uint8_t> BoardBuffer();

// Runs body once per benchmark iteration and, with the benchmark's timer
// paused, one board memset after it. The counter "x_memset" is the time body
// took divided by the time the memsets took.
template <typename Body>
void MeasureAgainstMemset(benchmark::State& state, Body body)
{
    using Clock = std::chrono::steady_clock;
    std::vector<uint8_t> buffer = BoardBuffer();
    Clock::duration bodyTime{}, memsetTime{};
    for (auto _ : state) {
        const auto start = Clock::now();
        body();
        const auto middle = Clock::now();
        state.PauseTiming();
        const auto memsetStart = Clock::now();
        WriteBoardOnce(buffer);
        memsetTime += Clock::now() - memsetStart;
        state.ResumeTiming();
        bodyTime += middle - start;
    }
    state.counters["x_memset"] = std::chrono::duration<double>(bodyTime).count() /
                                 std::chrono::duration<double>(memsetTime).count();
}

} // namespace zol::bench

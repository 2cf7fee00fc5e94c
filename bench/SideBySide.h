#pragma once
// Work timed beside its baseline in the same iterations: the counter is the
// work's time divided by the baseline's, so it holds on a busy machine.

#include <benchmark/benchmark.h>

#include <chrono>
#include <string>

namespace zol::bench {

// Per iteration: prepare (untimed), body, prepare again, baseline; the
// counter `name` is time(body) / time(baseline).
template <typename Prepare, typename Body, typename Baseline>
void MeasureSideBySide(benchmark::State& state, const std::string& name, Prepare prepare, Body body, Baseline baseline)
{
    using Clock = std::chrono::steady_clock;
    Clock::duration bodyTime{}, baselineTime{};
    for (auto _ : state) {
        state.PauseTiming();
        prepare();
        state.ResumeTiming();
        const auto start = Clock::now();
        body();
        bodyTime += Clock::now() - start;
        state.PauseTiming();
        prepare();
        const auto baselineStart = Clock::now();
        baseline();
        baselineTime += Clock::now() - baselineStart;
        state.ResumeTiming();
    }
    state.counters[name] = std::chrono::duration<double>(bodyTime).count() /
                           std::chrono::duration<double>(baselineTime).count();
}

} // namespace zol::bench

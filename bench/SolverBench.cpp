// The solver on every figure of the gTans collections that lies on the
// 45-degree grid, on one core: the first solution of each, and every
// solution within 10 seconds. Each run reports the median and worst time,
// how many took over 2 seconds, and the share of the every-solution search
// that completed; the median is also given as a ratio to drawing one board,
// measured in the same run. Times are the searching thread's processor time
// (what one core spends, whatever else the machine runs), and wall-clock
// time beside it; the every-solution search counts as complete when it
// finished within 10 seconds of processor time.
#include "GtansFigures.h"

#include "model/FigureRenderer.h"
#include "model/SilhouetteSolver.h"
#include "model/TangramModel.h"

#include <benchmark/benchmark.h>

#include <QImage>

#include <algorithm>
#include <chrono>
#include <ctime>

namespace zol::bench {
namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// The calling thread's processor time.
double ThreadMilliseconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// The time that this share of the figures took at most.
double AtShare(std::vector<double> times, double share)
{
    std::sort(times.begin(), times.end());
    return times[std::min(times.size() - 1, size_t(double(times.size()) * share))];
}

// The time of drawing one board, averaged over the figures.
double DrawOneBoard(const TangramModel& model, const std::vector<Figure>& figures)
{
    const FigureRenderer renderer(model);
    QImage board(BoardSize, BoardSize, QImage::Format_RGB32);
    const auto start = Clock::now();
    for (int round = 0; round < 10; ++round)
        for (const Figure& figure : figures)
            renderer.DrawFigure(figure, 1.0, board, Background::Fill);
    return Milliseconds(Clock::now() - start) / (10.0 * double(figures.size()));
}

// limit solutions in `budget` of processor time; the wall-clock deadline
// lies far beyond it, for a machine that other work keeps busy.
void Solve(benchmark::State& state, int limit, double budgetMs)
{
    const TangramModel model;
    const std::vector<Figure> figures = OnAngleGrid(model, GtansFigures(model));
    if (figures.empty()) {
        state.SkipWithError("no gTans collections: install Debian's gtans");
        return;
    }
    std::vector<double> cpu, wall;
    int complete = 0, solved = 0;
    for (auto _ : state) {
        cpu.clear();
        wall.clear();
        complete = solved = 0;
        for (const Figure& figure : figures) {
            SolveRequest request;
            request.target = FigureSilhouette(model.pieceSet(), figure);
            request.set = model.pieceSet();
            request.limit = limit;
            const auto start = Clock::now();
            const double started = ThreadMilliseconds();
            request.deadline = start + std::chrono::milliseconds(int(budgetMs * 10));
            const SolveResult result = zol::Solve(request);
            cpu.push_back(ThreadMilliseconds() - started);
            wall.push_back(Milliseconds(Clock::now() - start));
            complete += result.end == SolveEnd::Searched && cpu.back() <= budgetMs;
            solved += !result.solutions.empty();
        }
    }
    const double median = AtShare(cpu, 0.5);
    state.counters["figures"] = double(figures.size());
    state.counters["solved"] = solved;
    state.counters["median_ms"] = median;
    state.counters["p90_ms"] = AtShare(cpu, 0.9);
    state.counters["worst_ms"] = AtShare(cpu, 1.0);
    state.counters["over_2s"] = double(std::count_if(cpu.begin(), cpu.end(), [](double t) { return t > 2000; }));
    state.counters["wall_median_ms"] = AtShare(wall, 0.5);
    state.counters["wall_worst_ms"] = AtShare(wall, 1.0);
    if (limit > 1)
        state.counters["complete_share"] = double(complete) / double(figures.size());
    state.counters["median_x_board"] = median / DrawOneBoard(model, figures);
}

void BM_SolveFirst(benchmark::State& state) { Solve(state, 1, 60000); }
void BM_SolveAll(benchmark::State& state) { Solve(state, 1000000, 10000); }

BENCHMARK(BM_SolveFirst)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();
BENCHMARK(BM_SolveAll)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

} // namespace
} // namespace zol::bench

// The solver on every figure of the gTans collections that lies on the
// 45-degree grid, on one core: the first solution of each, and every
// solution within 10 seconds. Each run reports the median and worst time,
// how many took over 2 seconds, and the share of the every-solution search
// that completed; the median is also given as a ratio to drawing one board,
// measured in the same run.
#include "GtansFigures.h"

#include "model/FigureRenderer.h"
#include "model/SilhouetteSolver.h"
#include "model/TangramModel.h"

#include <benchmark/benchmark.h>

#include <QImage>

#include <algorithm>
#include <chrono>

namespace zol::bench {
namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

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

void Solve(benchmark::State& state, int limit, std::chrono::seconds budget)
{
    const TangramModel model;
    const std::vector<Figure> figures = OnAngleGrid(model, GtansFigures(model));
    if (figures.empty()) {
        state.SkipWithError("no gTans collections: install Debian's gtans");
        return;
    }
    std::vector<double> times;
    int complete = 0, solved = 0;
    for (auto _ : state) {
        times.clear();
        complete = solved = 0;
        for (const Figure& figure : figures) {
            SolveRequest request;
            request.target = FigureSilhouette(model.pieceSet(), figure);
            request.set = model.pieceSet();
            request.limit = limit;
            const auto start = Clock::now();
            request.deadline = start + budget;
            const SolveResult result = zol::Solve(request);
            times.push_back(Milliseconds(Clock::now() - start));
            complete += result.end == SolveEnd::Searched;
            solved += !result.solutions.empty();
        }
    }
    std::sort(times.begin(), times.end());
    const double median = times[times.size() / 2];
    state.counters["figures"] = double(figures.size());
    state.counters["solved"] = solved;
    state.counters["median_ms"] = median;
    state.counters["p90_ms"] = times[times.size() * 9 / 10];
    state.counters["worst_ms"] = times.back();
    state.counters["over_2s"] = double(std::count_if(times.begin(), times.end(), [](double t) { return t > 2000; }));
    state.counters["complete_share"] = double(complete) / double(figures.size());
    state.counters["median_x_board"] = median / DrawOneBoard(model, figures);
}

void BM_SolveFirst(benchmark::State& state) { Solve(state, 1, std::chrono::seconds(60)); }
void BM_SolveAll(benchmark::State& state) { Solve(state, 1000000, std::chrono::seconds(10)); }

BENCHMARK(BM_SolveFirst)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();
BENCHMARK(BM_SolveAll)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

} // namespace
} // namespace zol::bench

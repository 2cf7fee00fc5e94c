// Grouping a document's figures by silhouette, at 1 000 and 10 000 figures,
// beside drawing the same figures' boards once. The document holds the gTans
// figures, each many times over: turned on the board by a multiple of 45
// degrees, mirrored or not, moved, as a collector's document gathers copies.
#include "GtansFigures.h"
#include "SideBySide.h"

#include "export/DuplicateFinder.h"
#include "model/FigureRenderer.h"
#include "model/TangramModel.h"

#include <QImage>

#include <ctime>
#include <map>
#include <memory>

namespace zol::bench {
namespace {

// The figure selected whole and turned, mirrored and moved by the board.
std::string Rebuilt(const TangramModel& model, const Figure& figure, int k)
{
    TangramModel board = model;
    board.SetCurrentFigure(figure);
    board.SelectInRect(0, 0, BoardSize, BoardSize);
    board.RotateSelection(90 * (k % 8));
    board.EndRotation();
    if (k / 8 % 2)
        board.FlipSelection();
    board.MoveSelection(k % 7 - 3, k % 5 - 2);
    return board.FormatPlacementLine();
}

std::unique_ptr<TangramModel> Document(int n)
{
    auto model = std::make_unique<TangramModel>();
    const std::vector<Figure> figures = GtansFigures(*model);
    if (figures.empty())
        return nullptr;
    std::vector<std::string> lines = {"tan"};
    for (int i = 0; i < n; ++i) {
        const size_t base = size_t(i) % figures.size();
        lines.push_back("figure " + std::to_string(i));
        lines.push_back(Rebuilt(*model, figures[base], i / int(figures.size())));
    }
    model->SetFigureLines(lines, TextEncoding::Cp932);
    return model;
}

const TangramModel* DocumentOf(int n)
{
    static std::map<int, std::unique_ptr<TangramModel>> documents;
    if (!documents.count(n))
        documents[n] = Document(n);
    return documents[n].get();
}

void BM_FindDuplicates(benchmark::State& state)
{
    const int n = int(state.range(0));
    const TangramModel* model = DocumentOf(n);
    if (!model) {
        state.SkipWithError("no gTans collections: install Debian's gtans");
        return;
    }
    const FigureRenderer renderer(*model);
    QImage board(BoardSize, BoardSize, QImage::Format_RGB32);
    size_t groups = 0;
    std::clock_t processor = 0;
    MeasureSideBySide(
        state, "x_draw_boards", [] {},
        [&] {
            NoProgress none;
            const std::clock_t start = std::clock();
            groups = FindDuplicates(*model, none).groups.size();
            processor += std::clock() - start;
        },
        [&] {
            for (int i = 0; i < n; ++i)
                renderer.DrawFigure(model->ParseFigure(i), 1.0, board, Background::Fill);
        });
    state.counters["groups"] = double(groups);
    // Processor time of every thread: what the grouping costs however busy
    // the machine is with other work.
    state.counters["cpu_ms"] = 1e3 * double(processor) / CLOCKS_PER_SEC / double(state.iterations());
    // Figures a second at both lengths: equal while growth is linear.
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_FindDuplicates)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace zol::bench

// Redrawing the board (every mouse move while carrying), rendering board and
// guide (every drop), and the guide of a figure handed to the renderer by
// value (what list-wide work does per figure), against the board-memset
// baseline.

#include "BoardBaseline.h"

#include "model/BoardRedraw.h"
#include "model/FigureRenderer.h"
#include "model/Random.h"

#include <QImage>

namespace zol::bench {

namespace {

// The built-in set scattered as on a fresh board, in random leaf colours.
struct Board {
    Board()
    {
        SeedRandom(1);
        model.ClearFigureList();
        model.SetPalette(0x000000, 200, 172, 156, 55, 83, 99);
    }
    TangramModel model;
    QImage board{BoardSize, BoardSize, QImage::Format_RGB32};
    QImage guide{GuideSize, GuideSize, QImage::Format_RGB32};
};

// The editor's redraw of its board bitmap.
void BM_DrawFigureBoard(benchmark::State& state)
{
    Board b;
    BoardRedraw redraw;
    MeasureAgainstMemset(state, [&] { redraw.DrawBoardFigure(FigureRenderer(b.model), 1.0, b.board); });
}

// The same figure over a board filled whole each time, as a drawing into an
// image nobody keeps track of.
void BM_DrawFigureBoardFilledWhole(benchmark::State& state)
{
    Board b;
    MeasureAgainstMemset(state, [&] { b.model.DrawFigure(-1, 1.0, b.board, Background::Fill); });
}

void BM_DrawFigureCarrying(benchmark::State& state)
{
    Board b;
    BoardRedraw redraw;
    QImage scratch(BoardSize, BoardSize, QImage::Format_RGB32);
    b.model.PickPiece(256, 256, scratch, true);
    int dx = 1; // back and forth, so the piece stays on the board
    MeasureAgainstMemset(state, [&] {
        b.model.MoveSelection(dx, 0);
        dx = -dx;
        redraw.DrawBoardFigure(FigureRenderer(b.model), 1.0, b.board);
    });
}

void BM_RenderBoardAntialias(benchmark::State& state)
{
    Board b;
    b.model.SetGamma(2.2);
    MeasureAgainstMemset(state, [&] { b.model.RenderBoard(-1, b.board, b.guide, true); });
}

// The piece polygons are computed from the figure on every call here, where
// the board figure's are kept in the model.
void BM_RendererGuideOfAFigure(benchmark::State& state)
{
    Board b;
    b.model.SetGamma(2.2);
    const Figure figure = b.model.currentFigure();
    const FigureRenderer renderer(b.model);
    MeasureAgainstMemset(state, [&] {
        const QRect drawn = renderer.DrawFigure(figure, 1.0, b.board, Background::Fill);
        renderer.ReduceBoard(b.board, b.guide, GuideReduction::Antialias, drawn);
    });
}

} // namespace

BENCHMARK(BM_DrawFigureBoard);
BENCHMARK(BM_DrawFigureBoardFilledWhole);
BENCHMARK(BM_DrawFigureCarrying);
BENCHMARK(BM_RenderBoardAntialias);
BENCHMARK(BM_RendererGuideOfAFigure);

} // namespace zol::bench

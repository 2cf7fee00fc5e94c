// Redrawing the board (every mouse move while carrying) and rendering board
// and guide (every drop), against the board-memset baseline.

#include "BoardBaseline.h"

#include "model/Random.h"
#include "model/TangramModel.h"

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

void BM_DrawFigureBoard(benchmark::State& state)
{
    Board b;
    MeasureAgainstMemset(state, [&] { b.model.DrawFigure(-1, 1.0, b.board, Background::Fill); });
}

void BM_DrawFigureCarrying(benchmark::State& state)
{
    Board b;
    QImage scratch(BoardSize, BoardSize, QImage::Format_RGB32);
    b.model.PickPiece(256, 256, scratch, true);
    int dx = 1; // back and forth, so the piece stays on the board
    MeasureAgainstMemset(state, [&] {
        b.model.MoveSelection(dx, 0);
        dx = -dx;
        b.model.DrawFigure(-1, 1.0, b.board, Background::Fill);
    });
}

void BM_RenderBoardAntialias(benchmark::State& state)
{
    Board b;
    b.model.SetGamma(2.2);
    MeasureAgainstMemset(state, [&] { b.model.RenderBoard(-1, b.board, b.guide, true); });
}

} // namespace

BENCHMARK(BM_DrawFigureBoard);
BENCHMARK(BM_DrawFigureCarrying);
BENCHMARK(BM_RenderBoardAntialias);

} // namespace zol::bench

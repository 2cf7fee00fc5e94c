// A board bitmap redrawn in place, where only the last figure's areas are
// put back to the background, against drawings over freshly filled images,
// with everything that may happen to the bitmap in between.

#include "ModelFixtures.h"

#include "model/BoardRedraw.h"
#include "model/FigureRenderer.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <functional>
#include <random>

using namespace zol;
using namespace zol::test;

namespace {

Figure RandomFigure(const TangramModel& model, std::mt19937& rng)
{
    Figure figure = model.currentFigure();
    for (int i = 0; i < model.pieceCount(); ++i)
        figure.setPlacement(i, {int(rng() % 700) - 90, int(rng() % 700) - 90, int(rng() % 720),
                                rng() % 2 ? 1.0 : -1.0});
    return figure;
}

// What may happen to the model or the bitmap between two redraws.
struct Interruption {
    const char* name;
    std::function<void(TangramModel&, QImage&, std::mt19937&)> apply;
};

const Interruption Interruptions[] = {
    {"nothing", [](TangramModel&, QImage&, std::mt19937&) {}},
    {"zoom", [](TangramModel& m, QImage&, std::mt19937& rng) { m.setZoomPercent(int(rng() % 3 ? 60 + rng() % 160 : 100)); }},
    {"background colour",
     [](TangramModel& m, QImage&, std::mt19937& rng) { m.SetPalette(rng() % 0x1000000, 0, 128, 128, 256, 128, 128); }},
    {"window colour",
     [](TangramModel& m, QImage&, std::mt19937& rng) {
         m.SetPalette(WorkspaceColor, 0, 128, 128, 256, 128, 128);
         m.setWorkspaceRgb(rng() % 0x1000000);
     }},
    {"selection", [](TangramModel& m, QImage&, std::mt19937& rng) {
         const int x = int(rng() % 400), y = int(rng() % 400);
         m.SelectInRect(x, y, x + 200, y + 200);
     }},
    {"selection cleared", [](TangramModel& m, QImage&, std::mt19937&) { m.ClearSelection(); }},
    {"band inverted",
     [](TangramModel&, QImage& image, std::mt19937& rng) {
         QPainter painter(&image);
         painter.setCompositionMode(QPainter::RasterOp_NotDestination);
         painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
         painter.drawRect(int(rng() % 200), int(rng() % 200), 300, 300);
     }},
    {"table painted", [](TangramModel&, QImage& image, std::mt19937&) { QPainter(&image).fillRect(image.rect(), Qt::cyan); }},
    {"pixel set",
     [](TangramModel&, QImage& image, std::mt19937& rng) {
         image.setPixel(int(rng() % image.width()), int(rng() % image.height()), qRgb(1, 2, 3));
     }},
    {"other figure drawn over",
     [](TangramModel& m, QImage& image, std::mt19937& rng) {
         FigureRenderer(m).DrawFigure(RandomFigure(m, rng), 1.0, image, Background::Keep);
     }},
    {"bitmap replaced", [](TangramModel&, QImage& image, std::mt19937&) { image = Bitmap(BoardSize); }},
    {"bitmap copied", [](TangramModel&, QImage& image, std::mt19937&) { image = image.copy(); }},
    {"bitmap resized", [](TangramModel&, QImage& image, std::mt19937&) { image = Bitmap(BoardSize / 2); }},
};

// Random figures redrawn into one bitmap, every interruption many times in a
// random order, each redraw and its guide compared with a fresh drawing.
TEST(BoardRedraw, EachRedrawLooksAsAFreshDrawing)
{
    TangramModel model;
    model.SetPalette(0x000000, 0, 128, 128, 256, 128, 128);
    model.SetGamma(2.2);
    BoardRedraw redraw;
    QImage board = Bitmap(BoardSize);
    std::mt19937 rng(10);
    const int kinds = int(std::size(Interruptions));
    for (int round = 0; round < 20 * kinds; ++round) {
        const Interruption& happened = Interruptions[round < kinds ? round : rng() % kinds];
        happened.apply(model, board, rng);
        if (round % 2)
            model.SetCurrentFigure(RandomFigure(model, rng));
        const FigureRenderer renderer(model);
        const QRect drawn = redraw.DrawBoardFigure(renderer, 1.0, board);

        QImage fresh = Bitmap(board.width());
        renderer.DrawBoardFigure(1.0, fresh, Background::Fill);
        ASSERT_EQ(board, fresh) << "round " << round << " after " << happened.name;
        ASSERT_TRUE(redraw.PlainOutsideDrawn(renderer, board));
        QImage guide = Bitmap(GuideSize), expected = Bitmap(GuideSize);
        renderer.ReduceBoard(board, guide, GuideReduction::Antialias, drawn);
        renderer.ReduceBoard(fresh, expected, GuideReduction::Antialias);
        ASSERT_EQ(guide, expected) << "round " << round << " after " << happened.name;
        if (board.width() != BoardSize)
            board = Bitmap(BoardSize);
    }
}

} // namespace

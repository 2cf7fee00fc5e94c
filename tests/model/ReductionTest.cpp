// The guide reduction and the scratch board against the plainest ways of
// doing the same: every faster path must give the same pixels.

#include "ModelFixtures.h"

#include "model/FigureRenderer.h"
#include "model/Reduction.h"
#include "model/ScratchBoard.h"

#include <gtest/gtest.h>

#include <random>

using namespace zol;
using namespace zol::test;

namespace {

std::array<int, 256> GammaTable(double gamma)
{
    TangramModel model;
    model.SetGamma(gamma);
    return model.gammaTable();
}

// The 4 x 4 mean of every channel through the table, pixel by pixel.
QImage MeanOfBlocks(const QImage& board, const std::array<int, 256>& gamma)
{
    QImage guide(GuideSize, GuideSize, QImage::Format_RGB32);
    for (int gy = 0; gy < GuideSize; ++gy) {
        for (int gx = 0; gx < GuideSize; ++gx) {
            int r = 0, g = 0, b = 0;
            for (int y = 4 * gy; y < 4 * gy + 4; ++y) {
                for (int x = 4 * gx; x < 4 * gx + 4; ++x) {
                    const QRgb p = reinterpret_cast<const QRgb*>(board.constScanLine(y))[x];
                    r += qRed(p);
                    g += qGreen(p);
                    b += qBlue(p);
                }
            }
            guide.setPixel(gx, gy, qRgb(gamma[r / 16], gamma[g / 16], gamma[b / 16]));
        }
    }
    return guide;
}

// Random bytes in every channel, alpha included, inside `area`; the
// background colour elsewhere.
QImage Noise(std::mt19937& rng, const QRect& area, QRgb background)
{
    QImage board(BoardSize, BoardSize, QImage::Format_RGB32);
    board.fill(background);
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            reinterpret_cast<QRgb*>(board.scanLine(y))[x] = rng();
    return board;
}

QImage Stretched(const QImage& board)
{
    QImage guide(GuideSize, GuideSize, QImage::Format_RGB32);
    for (int y = 0; y < GuideSize; ++y)
        for (int x = 0; x < GuideSize; ++x)
            guide.setPixel(x, y, board.pixel(4 * x, 4 * y));
    return guide;
}

TEST(Reduction, AntialiasIsTheMeanOfEachBlockOnNoise)
{
    std::mt19937 rng(5);
    for (const double gamma : {1.0, 2.2, 3.0}) {
        const std::array<int, 256> table = GammaTable(gamma);
        const QImage board = Noise(rng, QRect(0, 0, BoardSize, BoardSize), 0);
        QImage guide = Bitmap(GuideSize);
        ReduceBoard(board, guide, true, table);
        ASSERT_EQ(guide, MeanOfBlocks(board, table)) << "gamma " << gamma;
    }
}

// Drawn areas on the edges, off block and vector-run bounds, a single
// pixel, empty, and beyond the board.
TEST(Reduction, KnowingThePlainOutsideChangesNoPixel)
{
    const QRect areas[] = {{0, 0, 512, 512},    {3, 5, 1, 1},       {0, 0, 1, 512},   {511, 511, 1, 1},
                           {37, 250, 141, 9},   {129, 1, 380, 510}, {-20, 500, 60, 40}, {200, 200, 0, 0},
                           {31, 64, 2, 448}};
    std::mt19937 rng(11);
    const std::array<int, 256> table = GammaTable(2.2);
    const QRgb background = qRgb(40, 90, 200);
    for (const QRect& area : areas) {
        const QImage board = Noise(rng, area & QRect(0, 0, BoardSize, BoardSize), background);
        const PlainOutside known{area, background};
        QImage guide = Bitmap(GuideSize);
        ReduceBoard(board, guide, true, table, &known);
        ASSERT_EQ(guide, MeanOfBlocks(board, table)) << "antialiased, area at " << area.x() << "," << area.y();
        ReduceBoard(board, guide, false, table, &known);
        ASSERT_EQ(guide, Stretched(board)) << "stretched, area at " << area.x() << "," << area.y();
    }
}

// Figures of the built-in set wandering over and off the board, at a zoom
// with the thin pen and one with the thick pen, one after another on one
// scratch board, each compared with a board filled whole.
TEST(ScratchBoard, EachDrawingLooksAsOnAFreshBoard)
{
    TangramModel model;
    model.SetPalette(0x000000, 0, 128, 128, 256, 128, 128);
    model.SetGamma(2.2);
    ScratchBoard scratch(BoardSize);
    QImage picture(BoardSize, BoardSize, QImage::Format_RGB32);
    picture.fill(qRgb(90, 60, 30));
    std::mt19937 rng(3);
    for (int round = 0; round < 40; ++round) {
        model.setZoomPercent(round % 3 == 0 ? 115 : 100);
        Figure figure = model.currentFigure();
        for (int i = 0; i < model.pieceCount(); ++i)
            figure.setPlacement(i, {int(rng() % 700) - 90, int(rng() % 700) - 90, int(rng() % 720),
                                    rng() % 2 ? 1.0 : -1.0});
        const FigureRenderer renderer(model);
        QImage fresh = Bitmap(BoardSize);
        const bool overPicture = round % 7 == 6;
        if (overPicture) {
            fresh = picture.copy();
            scratch.DrawOver(renderer, figure, 1.0, picture);
        } else {
            scratch.Draw(renderer, figure, 1.0);
        }
        renderer.DrawFigure(figure, 1.0, fresh, overPicture ? Background::Keep : Background::Fill);
        ASSERT_EQ(scratch.picture(), fresh) << "round " << round;
        for (const GuideReduction reduction : {GuideReduction::Antialias, GuideReduction::Stretch}) {
            QImage expected = Bitmap(GuideSize), guide = Bitmap(GuideSize);
            renderer.ReduceBoard(fresh, expected, reduction);
            scratch.Reduce(renderer, guide, reduction);
            ASSERT_EQ(guide, expected) << "round " << round;
        }
    }
}

// A renderer with another background colour must not trust what the board
// knew of the last one.
TEST(ScratchBoard, AnotherBackgroundFillsTheWholeBoard)
{
    TangramModel model;
    ScratchBoard scratch(BoardSize);
    scratch.Draw(FigureRenderer(model), model.currentFigure(), 1.0);
    model.SetPalette(0x00FF00, 0, 128, 128, 256, 128, 128);
    const FigureRenderer green(model);
    scratch.Draw(green, model.currentFigure(), 1.0);
    QImage fresh = Bitmap(BoardSize);
    green.DrawFigure(model.currentFigure(), 1.0, fresh, Background::Fill);
    EXPECT_EQ(scratch.picture(), fresh);
}

} // namespace

// The renderer only reads the model and writes only the caller's image, so
// two threads drawing the sample document at once get exactly the pictures
// that one thread gets.

#include "DataFiles.h"

#include "model/FigureRenderer.h"
#include "model/Random.h"

#include <QImage>

#include <gtest/gtest.h>

#include <latch>
#include <thread>

using namespace zol;
using namespace zol::datacheck;

namespace {

struct Pictures {
    std::vector<QImage> boards;
    std::vector<QImage> guides;
    std::vector<QImage> thumbnails;
    bool operator==(const Pictures&) const = default;
};

// Every figure of the document as board, guide and table-view thumbnail;
// backwards, so that two threads draw different figures at the same moment.
Pictures DrawEveryFigure(const TangramModel& model, bool backwards)
{
    const FigureRenderer renderer(model);
    const int n = model.figureCount();
    Pictures pictures{std::vector<QImage>(n), std::vector<QImage>(n), std::vector<QImage>(n)};
    for (int k = 0; k < n; ++k) {
        const int i = backwards ? n - 1 - k : k;
        const Figure figure = model.ParseFigure(i);
        pictures.boards[i] = renderer.Board(figure);
        pictures.guides[i] = renderer.Guide(figure, GuideReduction::Antialias);
        pictures.thumbnails[i] = QImage(64, 64, QImage::Format_RGB32);
        renderer.DrawFigure(figure, 0.125, pictures.thumbnails[i], Background::Fill);
    }
    return pictures;
}

class SampleOnTwoThreads : public ::testing::Test {
protected:
    void SetUp() override
    {
        const CrLfLines file = SplitCrLf(ReadBytes(DataDir() / "zols" / "sample.zol"));
        ASSERT_TRUE(file.wellFormed);
        model.SetFigureLines({file.lines.begin() + 1, file.lines.end()}, TextEncoding::Cp932);
        ASSERT_GE(model.figureCount(), 2);
        SeedRandom(5);
        model.SetPalette(0x203040, 0, 200, 200, 256, 50, 50); // random hues
        model.SetGamma(2.2);
        model.setZoomPercent(115);
        model.SelectInRect(0, 0, 300, 300); // a selection the pictures must not show
    }
    TangramModel model;
};

TEST_F(SampleOnTwoThreads, DrawTheOneThreadPictures)
{
    const Figure board = model.currentFigure();
    const int selection = model.selection();
    const Pictures alone = DrawEveryFigure(model, false);
    for (int i = 1; i < model.figureCount(); ++i)
        ASSERT_NE(alone.boards[i], alone.boards[i - 1]) << "figures " << i - 1 << " and " << i << " look alike";

    for (int round = 0; round < 3; ++round) {
        Pictures forwards, backwards;
        std::latch start(2);
        std::thread first([&] {
            start.arrive_and_wait();
            forwards = DrawEveryFigure(model, false);
        });
        std::thread second([&] {
            start.arrive_and_wait();
            backwards = DrawEveryFigure(model, true);
        });
        first.join();
        second.join();
        EXPECT_TRUE(forwards == alone) << "round " << round;
        EXPECT_TRUE(backwards == alone) << "round " << round;
    }
    EXPECT_EQ(model.currentFigure(), board);
    EXPECT_EQ(model.selection(), selection);
}

} // namespace

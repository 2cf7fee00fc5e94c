// The slide show stepped tick by tick, without timer or window.
#include "ModelFixtures.h"

#include "model/ViewerAnimation.h"
#include "model/ViewerPicture.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace zol;
using namespace zol::test;

namespace {

// A list whose figure k has caption "fig k" and piece i at
// (100 + 20k + i, 300 - 10k, 30k); every figure tells itself apart by x.
class Slideshow : public ::testing::Test {
protected:
    void MakeList(int count)
    {
        for (int k = 0; k < count; ++k) {
            for (int i = 0; i < model.pieceCount(); ++i)
                Place(model, i, 100 + 20 * k + i, 300 - 10 * k, 30 * k);
            model.SetFigureCaption(-1, "fig" + std::to_string(k));
            model.StoreFigure(-1);
        }
        model.setModified(false);
    }
    // Two figures far apart: every piece travels some 400 pixels.
    void MakeFarPair()
    {
        for (int k = 0; k < 2; ++k) {
            for (int i = 0; i < model.pieceCount(); ++i)
                Place(model, i, k == 0 ? 60 + i : 460 - i, k == 0 ? 60 : 460);
            model.StoreFigure(-1);
        }
    }
    // Index of the list figure whose placements `figure` has.
    int IndexOf(const Figure& figure) const
    {
        for (int k = 0; k < model.figureCount(); ++k) {
            Figure f = model.ParseFigure(k);
            f.caption = figure.caption;
            if (f.x == figure.x && f.y == figure.y && f.angle == figure.angle)
                return k;
        }
        return -1;
    }
    static void Ticks(ViewerAnimation& a, int n)
    {
        for (int k = 0; k < n; ++k)
            a.Tick();
    }

    TangramModel model;
};

TEST_F(Slideshow, StartsFromTheSelectedFigureTowardTheNext)
{
    MakeList(10);
    ViewerAnimation a(model, 3);
    EXPECT_EQ(IndexOf(a.from()), 3);
    EXPECT_EQ(IndexOf(a.to()), 4);
    EXPECT_EQ(a.next(), 4);
    EXPECT_EQ(a.caption(), "title");
    EXPECT_EQ(a.number(), "Number");
    EXPECT_TRUE(a.playing());
}

TEST_F(Slideshow, StartsFromTheFirstFigureWhenNoneIsSelected)
{
    MakeList(3);
    ViewerAnimation a(model, -1);
    EXPECT_EQ(IndexOf(a.from()), 0);
    EXPECT_EQ(IndexOf(a.to()), 1);
}

TEST_F(Slideshow, RefusesAnEmptyList)
{
    EXPECT_THROW(ViewerAnimation(model, 0), std::invalid_argument);
}

TEST_F(Slideshow, LastFigureMovesTowardTheFirst)
{
    MakeList(3);
    ViewerAnimation a(model, 2);
    EXPECT_EQ(IndexOf(a.from()), 2);
    EXPECT_EQ(IndexOf(a.to()), 0);
}

TEST_F(Slideshow, CaptionAndNumberChangeOnTheSixthTick)
{
    MakeList(10);
    ViewerAnimation a(model, 3);
    Ticks(a, 5);
    EXPECT_EQ(a.caption(), "title");
    EXPECT_EQ(a.number(), "Number");
    a.Tick();
    EXPECT_EQ(a.caption(), "fig4");
    EXPECT_EQ(a.number(), "5/10");
}

TEST_F(Slideshow, FigureChangesOnTheHundredAndFortiethTick)
{
    MakeList(10);
    ViewerAnimation a(model, 8);
    Ticks(a, 139);
    EXPECT_GT(a.t(), 13.8f);
    EXPECT_EQ(IndexOf(a.from()), 8);
    a.Tick();
    EXPECT_EQ(a.t(), 0.0f);
    EXPECT_EQ(IndexOf(a.from()), 9);
    EXPECT_EQ(IndexOf(a.to()), 0) << "the list wraps around";
    EXPECT_EQ(a.shown().x, a.from().x) << "the new cycle starts where the last one ended";
    Ticks(a, 140);
    EXPECT_EQ(a.t(), 0.0f);
    EXPECT_EQ(IndexOf(a.from()), 0);
    Ticks(a, 6);
    EXPECT_EQ(a.number(), "2/10");
}

TEST_F(Slideshow, DrawsOnlyWhilePiecesMove)
{
    MakeList(3);
    ViewerAnimation a(model, 0);
    // Seven pieces move until t = 3.5; the ticks up to t = 3.75 still draw.
    for (int tick = 1; tick <= 140; ++tick) {
        const bool drawn = a.Tick();
        EXPECT_EQ(drawn, tick <= 37 || tick == 140) << "tick " << tick;
    }
}

struct Arrival {
    int piece;
    int tick;
};

class PieceArrival : public Slideshow, public ::testing::WithParamInterface<Arrival> {};

TEST_P(PieceArrival, EndsOnItsTick)
{
    const Arrival c = GetParam();
    MakeFarPair();
    ViewerAnimation a(model, 0);
    Ticks(a, c.tick - 1);
    EXPECT_LT(ViewerAnimation::Weight(a.t(), c.piece), 0.999) << "still on its way one tick before";
    a.Tick();
    EXPECT_NEAR(ViewerAnimation::Weight(a.t(), c.piece), 1.0, 1e-9);
    // The last step may leave a coordinate short by the truncated fraction.
    EXPECT_NEAR(a.shown().x[c.piece], a.to().x[c.piece], 1);
    EXPECT_NEAR(a.shown().y[c.piece], a.to().y[c.piece], 1);
    Ticks(a, 37 - c.tick);
    EXPECT_EQ(a.shown().x[c.piece], a.to().x[c.piece]) << "in place on the last picture";
    EXPECT_EQ(a.shown().y[c.piece], a.to().y[c.piece]);
    EXPECT_EQ(a.shown().angle[c.piece], a.to().angle[c.piece]);
}

INSTANTIATE_TEST_SUITE_P(Viewer, PieceArrival, ::testing::Values(Arrival{0, 20}, Arrival{3, 28}, Arrival{6, 35}),
                         [](const auto& info) { return "piece" + std::to_string(info.param.piece); });

TEST_F(Slideshow, PieceSetsOffAQuarterAfterThePreviousOne)
{
    MakeFarPair();
    ViewerAnimation a(model, 0);
    Ticks(a, 2); // t = 0.2: piece 0 moves, piece 1 has not left yet
    EXPECT_GT(a.shown().x[0], a.from().x[0]);
    EXPECT_EQ(a.shown().x[1], a.from().x[1]);
    Ticks(a, 2); // t = 0.4
    EXPECT_GT(a.shown().x[1], a.from().x[1]);
    EXPECT_EQ(a.shown().x[2], a.from().x[2]);
}

TEST_F(Slideshow, EasesInAndOut)
{
    EXPECT_EQ(ViewerAnimation::Weight(0.0f, 0), 0.0);
    EXPECT_NEAR(ViewerAnimation::Weight(1.0f, 0), 0.5, 1e-7);
    EXPECT_NEAR(ViewerAnimation::Weight(1.25f, 1), 0.5, 1e-7);
    EXPECT_EQ(ViewerAnimation::Weight(5.0f, 0), 1.0);
    // Slow at both ends, fast in the middle.
    const double start = ViewerAnimation::Weight(0.1f, 0);
    const double middle = ViewerAnimation::Weight(1.05f, 0) - ViewerAnimation::Weight(0.95f, 0);
    const double end = 1.0 - ViewerAnimation::Weight(1.9f, 0);
    EXPECT_LT(start, middle / 5);
    EXPECT_NEAR(start, end, 1e-6);
}

// Half way (tick 10) a piece that travels 7 pixels has gone 3.5: the
// position truncates toward zero, to 3 going right and -3 going up.
TEST_F(Slideshow, PositionsBetweenFiguresTruncateTowardZero)
{
    Place(model, 0, 0, 0, 0);
    model.StoreFigure(-1);
    Place(model, 0, 7, -7, 7);
    model.StoreFigure(-1);
    ViewerAnimation a(model, 0);
    Ticks(a, 10);
    ASSERT_NEAR(ViewerAnimation::Weight(1.0f, 0), 0.5, 1e-6);
    EXPECT_EQ(a.shown().x[0], 3);
    EXPECT_EQ(a.shown().y[0], -3);
    EXPECT_EQ(a.shown().angle[0], 3);
}

TEST_F(Slideshow, AnglesTurnAsPlainNumbers)
{
    Place(model, 0, 100, 100, 700);
    model.StoreFigure(-1);
    Place(model, 0, 100, 100, 20);
    model.StoreFigure(-1);
    ViewerAnimation a(model, 0);
    int last = 700;
    bool passedHalf = false;
    for (int tick = 1; tick <= 20; ++tick) {
        a.Tick();
        const int angle = a.shown().angle[0];
        EXPECT_LE(angle, last) << "backwards, tick " << tick;
        passedHalf = passedHalf || (angle < 400 && angle > 320);
        last = angle;
    }
    EXPECT_TRUE(passedHalf) << "through every angle in between";
    EXPECT_EQ(last, 20);
}

TEST_F(Slideshow, FlippingPieceIsSqueezedOnItsWay)
{
    Place(model, 0, 100, 100, 0, 1.0);
    model.StoreFigure(-1);
    Place(model, 0, 100, 100, 0, -1.0);
    model.StoreFigure(-1);
    ViewerAnimation a(model, 0);
    Ticks(a, 5);
    EXPECT_GT(a.shown().flip[0], 0.0);
    EXPECT_LT(a.shown().flip[0], 1.0);
    Ticks(a, 5); // t = 1.0, half way: no width at all
    EXPECT_NEAR(a.shown().flip[0], 0.0, 1e-6);
    Ticks(a, 10);
    EXPECT_EQ(a.shown().flip[0], -1.0);
}

TEST_F(Slideshow, OneFigureStandsStill)
{
    MakeList(1);
    ViewerAnimation a(model, 0);
    const Figure only = model.ParseFigure(0);
    for (int tick = 1; tick <= 150; ++tick) {
        a.Tick();
        ASSERT_EQ(a.shown().x, only.x) << "tick " << tick;
        ASSERT_EQ(a.shown().angle, only.angle) << "tick " << tick;
    }
    EXPECT_EQ(a.number(), "1/1");
    a.TogglePlay();
    a.StepBack();
    EXPECT_EQ(a.number(), "1/1");
    a.GoForward();
    EXPECT_EQ(IndexOf(a.shown()), 0);
}

// A step while paused: the still figure after `ticks` ticks from figure 3 of
// 10 (so from 3 to 4 in the first cycle).
struct PausedStep {
    const char* name;
    int ticks;
    bool forward;
    int still; // the figure shown afterwards
};

class StepWhilePaused : public Slideshow, public ::testing::WithParamInterface<PausedStep> {};

TEST_P(StepWhilePaused, ShowsTheStillFigure)
{
    const PausedStep c = GetParam();
    MakeList(10);
    ViewerAnimation a(model, 3);
    Ticks(a, c.ticks);
    a.TogglePlay();
    ASSERT_FALSE(a.playing());
    EXPECT_TRUE(c.forward ? a.GoForward() : a.StepBack()) << "a still is drawn at once";
    EXPECT_EQ(a.t(), 0.0f);
    EXPECT_EQ(IndexOf(a.shown()), c.still);
    EXPECT_EQ(IndexOf(a.from()), c.still);
    EXPECT_EQ(IndexOf(a.to()), (c.still + 1) % 10);
    EXPECT_EQ(a.caption(), "fig" + std::to_string(c.still));
    EXPECT_EQ(a.number(), std::to_string(c.still + 1) + "/10");
}

INSTANTIATE_TEST_SUITE_P(
    Viewer, StepWhilePaused,
    ::testing::Values(PausedStep{"ForwardEarlyShowsTo", 10, true, 4},        // t = 1.0
                      PausedStep{"ForwardAtThreeShowsTo", 30, true, 4},      // t = 3.0 (not above)
                      PausedStep{"ForwardLateSkipsPastTo", 31, true, 5},     // t = 3.1
                      PausedStep{"BackInMotionShowsFrom", 10, false, 3},     // t > 0
                      PausedStep{"BackJustOpenedShowsBefore", 0, false, 2},  // t = 0
                      PausedStep{"BackAtCycleEndShowsBefore", 140, false, 3} // t = 0, from is 4
                      ),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Slideshow, StepsWhilePausedFollowTheStill)
{
    MakeList(10);
    ViewerAnimation a(model, 3);
    a.TogglePlay();
    a.StepBack(); // t = 0: figure 2
    a.StepBack(); // still on a still: figure 1
    EXPECT_EQ(IndexOf(a.shown()), 1);
    a.GoForward(); // t = 0: the to figure
    a.GoForward();
    EXPECT_EQ(IndexOf(a.shown()), 3);
    a.StepBack();
    a.StepBack();
    a.StepBack();
    a.StepBack();
    EXPECT_EQ(IndexOf(a.shown()), 9) << "wraps before the first figure";
    // Play resumes from the still toward the next figure.
    a.TogglePlay();
    a.Tick();
    EXPECT_EQ(IndexOf(a.from()), 9);
    EXPECT_EQ(IndexOf(a.to()), 0);
}

struct PlayingStep {
    const char* name;
    int ticks;
    bool forward;
    int from;
    const char* caption;
};

class StepWhilePlaying : public Slideshow, public ::testing::WithParamInterface<PlayingStep> {};

TEST_P(StepWhilePlaying, ChangesThePairAtTheSamePhase)
{
    const PlayingStep c = GetParam();
    MakeList(10);
    ViewerAnimation a(model, 3);
    Ticks(a, c.ticks);
    const float t = a.t();
    EXPECT_FALSE(c.forward ? a.GoForward() : a.StepBack()) << "drawn by the next tick";
    EXPECT_EQ(a.t(), t);
    EXPECT_EQ(IndexOf(a.from()), c.from);
    EXPECT_EQ(IndexOf(a.to()), (c.from + 1) % 10);
    EXPECT_EQ(a.next(), (c.from + 1) % 10);
    EXPECT_EQ(a.caption(), c.caption);
    EXPECT_EQ(a.number(), std::to_string(c.from + 2) + "/10");
    EXPECT_TRUE(a.Tick()) << "a forced redraw, even after the pieces arrived";
}

INSTANTIATE_TEST_SUITE_P(Viewer, StepWhilePlaying,
                         ::testing::Values(PlayingStep{"ForwardEarlyNamesFrom", 3, true, 4, "fig4"},
                                           PlayingStep{"ForwardAtSixNamesFrom", 6, true, 4, "fig4"},
                                           PlayingStep{"ForwardLateNamesTo", 60, true, 4, "fig5"},
                                           PlayingStep{"BackEarlyNamesFrom", 3, false, 2, "fig2"},
                                           PlayingStep{"BackLateNamesTo", 60, false, 2, "fig3"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Slideshow, PictureSwitchesOnlyWhenThereIsOne)
{
    MakeList(3);
    ViewerAnimation a(model, 0);
    EXPECT_FALSE(a.TogglePicture());
    EXPECT_FALSE(a.pictureShown());
    a.SetPictureLoaded(true);
    EXPECT_TRUE(a.pictureShown());
    Ticks(a, 50); // pieces at rest: nothing drawn
    EXPECT_FALSE(a.TogglePicture()) << "playing: the next tick draws";
    EXPECT_FALSE(a.pictureShown());
    EXPECT_TRUE(a.Tick());
    a.TogglePlay();
    EXPECT_TRUE(a.TogglePicture()) << "paused: drawn at once";
    EXPECT_TRUE(a.pictureShown());
}

TEST_F(Slideshow, LeavesTheDocumentAsItWas)
{
    MakeList(4);
    Place(model, 0, 7, 7);
    const ModelState before = Capture(model);
    ViewerAnimation a(model, 1);
    ViewerCanvas canvas(model);
    for (int tick = 0; tick < 300; ++tick)
        if (a.Tick())
            canvas.Draw(a.shown(), nullptr, true);
    a.TogglePlay();
    a.StepBack();
    canvas.Draw(a.shown(), nullptr, false);
    EXPECT_EQ(Capture(model), before);
}

// The picture is the board reduced without the guide's gamma table, over
// the background picture when it is shown.
TEST(ViewerPicture, IsTheBoardReducedWithoutGamma)
{
    TangramModel model;
    UseWhiteOnBlack(model);
    PlaceStartFigure(model);
    const Figure figure = model.GetCurrentFigure();
    model.SetGamma(2.2);
    ViewerCanvas canvas(model);
    canvas.Draw(figure, nullptr, true);

    TangramModel plain;
    UseWhiteOnBlack(plain);
    plain.SetCurrentFigure(figure);
    QImage board(BoardSize, BoardSize, QImage::Format_RGB32);
    QImage guide(GuideSize, GuideSize, QImage::Format_RGB32);
    plain.RenderBoard(-1, board, guide, true);
    EXPECT_EQ(canvas.picture(), guide);
    plain.RenderBoard(-1, board, guide, false);
    canvas.Draw(figure, nullptr, false);
    EXPECT_EQ(canvas.picture(), guide);
}

TEST(ViewerPicture, PiecesLieOverTheBackground)
{
    TangramModel model;
    UseWhiteOnBlack(model);
    PlaceStartFigure(model);
    QImage background(BoardSize, BoardSize, QImage::Format_RGB32);
    background.fill(qRgb(10, 20, 200));
    ViewerCanvas canvas(model);
    canvas.Draw(model.GetCurrentFigure(), &background, true);
    EXPECT_EQ(canvas.picture().pixel(2, 2), qRgb(10, 20, 200));
    EXPECT_EQ(canvas.picture().pixel(64, 64), qRgb(255, 255, 255)) << "the centre is covered by pieces";
    canvas.Draw(model.GetCurrentFigure(), nullptr, true);
    EXPECT_EQ(canvas.picture().pixel(2, 2), qRgb(0, 0, 0));
}

} // namespace

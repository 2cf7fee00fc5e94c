#include "Printers.h"
#include "ui/UndoRing.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace zol {
namespace {

// The k-th state of a sequence of board figures.
Figure State(int k)
{
    Figure f;
    f.x[0] = k;
    f.caption = "state " + std::to_string(k);
    return f;
}

struct RingCase {
    int size;
    int pushes;
    int undoSteps; // how many steps back are possible afterwards
};

void PrintTo(const RingCase& c, std::ostream* os) { *os << "size" << c.size << "_pushes" << c.pushes; }

class UndoRingLimits : public ::testing::TestWithParam<RingCase> {};

// After the start state and `pushes` entries, Undo walks back through the
// newest states one by one, and no further than the ring can hold.
TEST_P(UndoRingLimits, KeepsTheNewestStatesUpToSizeMinusOne)
{
    const RingCase c = GetParam();
    UndoRing ring(c.size);
    ring.Reset(State(0));
    for (int k = 1; k <= c.pushes; ++k)
        ring.Push(State(k));
    ASSERT_EQ(ring.undoCount(), c.undoSteps);
    for (int step = 1; step <= c.undoSteps; ++step)
        EXPECT_EQ(ring.Undo(), State(c.pushes - step)) << "step " << step;
    EXPECT_EQ(ring.undoCount(), 0);
    EXPECT_THROW(ring.Undo(), std::logic_error);
    // Everything undone can be redone, back to the newest state.
    EXPECT_EQ(ring.redoCount(), c.undoSteps);
    for (int step = 1; step <= c.undoSteps; ++step)
        ring.Redo();
    EXPECT_EQ(ring.top(), State(c.pushes));
}

INSTANTIATE_TEST_SUITE_P(Sizes, UndoRingLimits,
                         ::testing::Values(RingCase{100, 150, 99}, RingCase{100, 99, 99}, RingCase{100, 3, 3},
                                           RingCase{2, 5, 1}, RingCase{2, 0, 0}, RingCase{3, 7, 2}),
                         PrintedName());

TEST(UndoRing, SizeIsRaisedToTwoAndCapped)
{
    EXPECT_EQ(UndoRing(0).size(), 2);
    EXPECT_EQ(UndoRing(1).size(), 2);
    EXPECT_EQ(UndoRing(-5).size(), 2);
    EXPECT_EQ(UndoRing(2).size(), 2);
    EXPECT_EQ(UndoRing(1 << 30).size(), UndoRing::MaxSize);
}

TEST(UndoRing, NewEntryAfterUndoDiscardsTheUndoneStates)
{
    UndoRing ring(100);
    ring.Reset(State(0));
    ring.Push(State(1));
    ring.Push(State(2));
    ring.Undo();
    ring.Undo();
    ASSERT_EQ(ring.redoCount(), 2);
    ring.Push(State(3));
    EXPECT_EQ(ring.redoCount(), 0);
    EXPECT_THROW(ring.Redo(), std::logic_error);
    EXPECT_EQ(ring.Undo(), State(0));
}

TEST(UndoRing, ReplaceTopOverwritesTheNewestEntryOnly)
{
    UndoRing ring(4);
    ring.Reset(State(0));
    ring.Push(State(1));
    ring.Push(State(2));
    ring.Undo(); // redo possible
    const int position = ring.position();
    const int undo = ring.undoCount();
    ring.ReplaceTop(State(9));
    EXPECT_EQ(ring.position(), position);
    EXPECT_EQ(ring.undoCount(), undo);
    EXPECT_EQ(ring.redoCount(), 0);
    EXPECT_EQ(ring.top(), State(9));
    EXPECT_EQ(ring.Undo(), State(0));
}

TEST(UndoRing, ReplaceTopOnAFullRingKeepsItFull)
{
    UndoRing ring(3);
    ring.Reset(State(0));
    for (int k = 1; k <= 5; ++k)
        ring.Push(State(k));
    ring.ReplaceTop(State(9));
    EXPECT_EQ(ring.undoCount(), 2);
    EXPECT_EQ(ring.Undo(), State(4));
    EXPECT_EQ(ring.Undo(), State(3));
}

TEST(UndoRing, ResetLeavesOneEntry)
{
    UndoRing ring(5);
    ring.Reset(State(0));
    ring.Push(State(1));
    ring.Undo();
    ring.Reset(State(7));
    EXPECT_EQ(ring.undoCount(), 0);
    EXPECT_EQ(ring.redoCount(), 0);
    EXPECT_EQ(ring.position(), 0);
    EXPECT_EQ(ring.top(), State(7));
}

// A document that turns to another encoding takes the captions of the board
// history along, undone entries included.
TEST(UndoRingRecode, RewritesEveryCaptionAndKeepsThePlacements)
{
    UndoRing ring(4);
    ring.Reset(State(0));
    ring.Push(State(1));
    ring.Push(State(2));
    ring.Undo();
    ring.RecodeCaptions([](const std::string& caption) { return "<" + caption + ">"; });
    EXPECT_EQ(ring.top().caption, "<state 1>");
    EXPECT_EQ(ring.Redo().caption, "<state 2>");
    EXPECT_EQ(ring.top().x[0], 2);
    ring.Undo();
    EXPECT_EQ(ring.Undo().caption, "<state 0>");
}

} // namespace
} // namespace zol

#include "cli/LineProgress.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

using namespace zol::cli;
using namespace std::chrono_literals;

namespace {

class LineProgressTest : public ::testing::Test {
protected:
    LineProgress::Clock clock() { return [this] { return now; }; }
    long lineEnds() const { return std::ranges::count(err.str(), '\n'); }

    std::chrono::steady_clock::time_point now{};
    std::ostringstream err;
};

TEST_F(LineProgressTest, ShortWorkPrintsNothing)
{
    LineProgress progress(err, "sorting", clock());
    progress.Start(100);
    for (int i = 1; i <= 100; ++i) {
        now += 9ms;
        progress.Step(i);
    }
    progress.Finish();
    EXPECT_EQ(err.str(), "");
}

TEST_F(LineProgressTest, LongWorkCountsUpOnOneLine)
{
    LineProgress progress(err, "sorting", clock());
    progress.Start(10);
    progress.Step(1);
    now += 1500ms;
    progress.Step(2);
    progress.Step(2); // the same position is not written again
    progress.Step(3);
    progress.Finish();
    progress.Finish(); // a second finish adds nothing
    EXPECT_EQ(err.str(), "\rzoltool: sorting 2/10\rzoltool: sorting 3/10\n");
}

TEST_F(LineProgressTest, LineEndsWhenWorkIsAbandoned)
{
    {
        LineProgress progress(err, "catalogue", clock());
        progress.Start(4);
        now += 2s;
        progress.Step(1);
    }
    EXPECT_EQ(err.str(), "\rzoltool: catalogue 1/4\n");
}

TEST_F(LineProgressTest, NewWorkStartsItsOwnLineAndDelay)
{
    LineProgress progress(err, "sorting", clock());
    progress.Start(2);
    now += 2s;
    progress.Step(1);
    progress.Start(3); // ends the first line
    progress.Step(1);  // the second work has only just started
    EXPECT_EQ(lineEnds(), 1);
    EXPECT_EQ(err.str(), "\rzoltool: sorting 1/2\n");
}

} // namespace

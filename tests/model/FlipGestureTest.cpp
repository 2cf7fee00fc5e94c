#include "model/FlipGesture.h"

#include <gtest/gtest.h>

#include <vector>

using namespace zol;

namespace {

// The 1-based step at which a shake is recognised, or 0.
int FlipStep(const FlipGestureSettings& settings, const std::vector<int>& steps)
{
    FlipGesture gesture;
    gesture.Reset(settings);
    for (size_t k = 0; k < steps.size(); ++k)
        if (gesture.Step(steps[k]))
            return static_cast<int>(k + 1);
    return 0;
}

std::vector<int> Shake(int amplitude, int count)
{
    std::vector<int> steps;
    for (int k = 0; k < count; ++k)
        steps.push_back(k % 2 ? -amplitude : amplitude);
    return steps;
}

TEST(FlipGesture, ShakingRecognisedOnceTheTravelExceedsTheLimit)
{
    EXPECT_EQ(FlipStep({}, Shake(30, 20)), 7); // 7 x 30 = 210 > 200, net 30 < 32
}

TEST(FlipGesture, NetTravelOfTheLimitOrMoreIsAMoveNotAShake)
{
    EXPECT_EQ(FlipStep({}, std::vector<int>(50, 30)), 0);
    // +40 -8 each pair: the net grows past 32 before the travel passes 200.
    std::vector<int> drift;
    for (int k = 0; k < 20; ++k)
        drift.push_back(k % 2 ? -8 : 40);
    EXPECT_EQ(FlipStep({}, drift), 0);
}

TEST(FlipGesture, OnlyTheLastWindowMinusOneStepsCount)
{
    // Window 3 holds the last two steps: +150 falls out before -150 comes.
    const FlipGestureSettings window3{32, 200, 3, 1};
    EXPECT_EQ(FlipStep(window3, {150, 150, -150}), 3);
    const FlipGestureSettings window4{32, 200, 4, 1};
    EXPECT_EQ(FlipStep(window4, {150, 150, -150}), 0);
    // Slow shaking never gathers enough travel inside the window.
    EXPECT_EQ(FlipStep(window4, Shake(60, 100)), 0);
}

// The 1-based step at which a shake flips, for the steps of each case.
struct FlipCase {
    const char* what;
    FlipGestureSettings settings;
    std::vector<int> steps;
    int flipStep;
};

TEST(FlipGesture, FlipsAtTheStepTheLimitsGive)
{
    const FlipCase cases[] = {
        {"net travel of exactly dcxsmin is a move", {}, {100, -100, 100, -68}, 0},
        {"one pixel less is a shake", {}, {100, -100, 100, -69}, 4},
        {"total travel of exactly dcxabsmax is not yet enough", {}, Shake(25, 8), 0},
        {"the next step passes it", {}, Shake(25, 20), 9},
    };
    for (const FlipCase& c : cases)
        EXPECT_EQ(FlipStep(c.settings, c.steps), c.flipStep) << c.what;
}

TEST(FlipGesture, OnlyTheLowTenBitsOfTheWindowCount)
{
    const FlipCase cases[] = {
        {"window 0 spans the whole ring", {32, 200, 0, 5}, Shake(30, 20), 7},
        {"as does window 1024", {32, 200, 1024, 1}, Shake(30, 20), 7},
        {"window -1 is 1023 steps", {32, 200, -1, 1}, Shake(30, 20), 7},
        {"window -1023 is 1: nothing", {32, 200, -1023, 1}, Shake(500, 100), 0},
        {"window 1025 is 1: nothing", {32, 200, 1025, 1}, Shake(500, 100), 0},
        {"window 1027 is 3", {32, 200, 1027, 1}, {150, 150, -150}, 3},
        {"a product past the int range keeps its low bits (2^32)", {32, 200, 65536, 65536}, Shake(30, 20), 7},
        {"the lowest int is a multiple of 1024", {32, 200, INT32_MIN, 1}, Shake(30, 20), 7},
        {"the highest int is 1023", {32, 200, INT32_MAX, 1}, Shake(30, 20), 7},
        {"INT32_MAX squared ends in binary 1", {32, 200, INT32_MAX, INT32_MAX}, Shake(500, 100), 0},
    };
    for (const FlipCase& c : cases)
        EXPECT_EQ(FlipStep(c.settings, c.steps), c.flipStep) << c.what;
}

TEST(FlipGesture, WindowOfOneNeverFlips)
{
    EXPECT_EQ(FlipStep({32, 200, 1, 1}, Shake(500, 100)), 0);
}

TEST(FlipGesture, StartsOverAfterAFlipAndAfterReset)
{
    FlipGesture gesture;
    gesture.Reset({});
    std::vector<int> flips;
    for (int k = 0; k < 21; ++k)
        if (gesture.Step(k % 2 ? -30 : 30))
            flips.push_back(k + 1);
    EXPECT_EQ(flips, (std::vector<int>{7, 14, 21}));

    gesture.Reset({});
    for (int k = 0; k < 6; ++k)
        EXPECT_FALSE(gesture.Step(k % 2 ? -30 : 30));
    gesture.Reset({});
    EXPECT_FALSE(gesture.Step(30)); // travel gathered before the reset is gone
}

TEST(FlipGesture, HugeStepsDoNotOverflow)
{
    EXPECT_EQ(FlipStep({}, {INT32_MAX, INT32_MAX, INT32_MAX}), 0);
    EXPECT_EQ(FlipStep({}, {INT32_MAX, INT32_MIN}), 2); // net -1
    EXPECT_EQ(FlipStep({32, 200, 1024, 1024}, Shake(30, 20)), 7);
}

} // namespace

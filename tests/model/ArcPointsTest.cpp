#include "model/ArcPoints.h"
#include "model/Rotation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>

using namespace zol;

namespace {

struct ArcCase {
    const char* name;
    ArcFields fields; // count, start, end, centre x, y, vector x, y
    std::string expected;
};

class ArcExamples : public ::testing::TestWithParam<ArcCase> {};

TEST_P(ArcExamples, GiveTheirPoints)
{
    EXPECT_EQ(ArcPointsText(GetParam().fields), GetParam().expected);
}

// Each pair ends with ", ", the last one too.
const ArcCase Examples[] = {
    {"InitialFields", {"2", "0", "1", "80", "80", "80", "0"}, "160,80, 160,81, "},
    {"QuarterInFiveSteps", {"5", "0", "90", "0", "0", "100", "0"}, "100,0, 92,38, 70,70, 38,92, 0,100, "},
    {"FullTurnBackToStart", {"3", "0", "360", "100", "100", "50", "0"}, "150,100, 50,100, 150,100, "},
    // The vector (0, 100) turned by -90 degrees points right, by +90 left.
    {"MinusNinetyToNinety", {"3", "-90", "90", "0", "0", "0", "100"}, "100,0, 0,100, -100,0, "},
    {"NegativeCountCountsItsSize", {"-3", "0", "90", "0", "0", "100", "0"}, "100,0, 70,70, 0,100, "},
    {"ZeroCountGivesTwoPoints", {"0", "0", "90", "0", "0", "100", "0"}, "100,0, 0,100, "},
    {"OneCountGivesTwoPoints", {"1", "0", "90", "0", "0", "100", "0"}, "100,0, 0,100, "},
    {"EndBelowStartRunsBackwards", {"3", "90", "0", "0", "0", "100", "0"}, "0,100, 70,70, 100,0, "},
    {"MinusNinetyIsTwoSeventy", {"2", "-90", "270", "10", "10", "100", "0"}, "10,-90, 10,-90, "},
    // 32-bit floats: the third angle comes out as -7.9999990 half degrees and truncates to -7;
    // exact arithmetic would give -8 and the point 9980,-683.
    {"FloatStepsTruncate", {"4", "-18", "3", "0", "0", "10000", "0"}, "9511,-3085, 9824,-1894, 9980,-605, 9980,507, "},
    // 32-bit extremes: the products need 64 bits, the sums still fit.
    {"ExtremeVectorStillFits", {"2", "0", "90", "0", "0", "2147483647", "-2147483647"},
     "2147483647,-2147483647, 2147483647,2147483647, "},
};

INSTANTIATE_TEST_SUITE_P(Arc, ArcExamples, ::testing::ValuesIn(Examples),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ArcPoints, BadFieldsGiveNothing)
{
    const ArcFields good = {"2", "0", "1", "80", "80", "80", "0"};
    ASSERT_TRUE(ArcPointsText(good));
    std::string ArcFields::*const fields[] = {&ArcFields::count,   &ArcFields::start,   &ArcFields::end,
                                              &ArcFields::centreX, &ArcFields::centreY, &ArcFields::vectorX,
                                              &ArcFields::vectorY};
    for (const char* bad : {"", "-", "+1", " 1", "1 ", "1a", "--1", "1-", "１", "2147483648", "-2147483649"}) {
        for (auto field : fields) {
            ArcFields f = good;
            f.*field = bad;
            EXPECT_EQ(ArcPointsText(f), std::nullopt) << "'" << bad << "'";
        }
    }
}

TEST(ArcPoints, FieldParserTakesThe32BitRange)
{
    EXPECT_EQ(ParseArcField("2147483647"), std::numeric_limits<int>::max());
    EXPECT_EQ(ParseArcField("-2147483648"), std::numeric_limits<int>::min());
    EXPECT_EQ(ParseArcField("-0"), 0);
    EXPECT_EQ(ParseArcField("007"), 7);
}

TEST(ArcPoints, CoordinatesBeyond32BitsGiveNothing)
{
    // 2147483647 + 1 after turning by 0: one past the range.
    EXPECT_EQ(ArcPointsText({"2", "0", "0", "1", "0", "2147483647", "0"}), std::nullopt);
    EXPECT_EQ(ArcPointsText({"2", "0", "0", "0", "-1", "0", "-2147483648"}), std::nullopt);
    // -2^31 turned by 180 degrees is 2^31, one past the range, until the centre takes one off.
    EXPECT_EQ(ArcPointsText({"2", "180", "180", "0", "0", "-2147483648", "0"}), std::nullopt);
    EXPECT_EQ(ArcPointsText({"2", "180", "180", "-1", "0", "-2147483648", "0"}),
              "2147483647,0, 2147483647,0, ");
}

TEST(ArcPoints, AnglesAtTheEndsOfTheRangeNeed64Bits)
{
    // start * 2 overflows 32 bits (to 0, which would give 100,0); -2^32 half degrees are
    // 464 after whole turns, 232 degrees.
    EXPECT_EQ(ArcPointsText({"2", "-2147483648", "-2147483648", "0", "0", "100", "0"}), "-61,-78, -61,-78, ");
    EXPECT_EQ(ArcPointsText({"-2147483648", "0", "1", "0", "0", "1", "0"}), std::nullopt) << "too many points";
}

TEST(ArcPoints, PointCountIsBounded)
{
    const std::optional<std::string> most = ArcPointsText({std::to_string(MaxArcPoints), "0", "1", "0", "0", "1", "0"});
    ASSERT_TRUE(most);
    EXPECT_EQ(std::count(most->begin(), most->end(), ' '), MaxArcPoints);
    EXPECT_EQ(ComputeArcPoints({std::to_string(MaxArcPoints + 1), "0", "1", "0", "0", "1", "0"}).refusal,
              ArcRefusal::TooManyPoints);
}

TEST(ArcPoints, SayWhyThereIsNoText)
{
    EXPECT_EQ(ComputeArcPoints({"2", "0", "1", "80", "80", "80", "0"}).refusal, ArcRefusal::None);
    EXPECT_EQ(ComputeArcPoints({"2", "0", "1", "80", "-", "80", "0"}).refusal, ArcRefusal::NotANumber);
    EXPECT_EQ(ComputeArcPoints({"-2147483648", "0", "1", "0", "0", "1", "0"}).refusal, ArcRefusal::TooManyPoints);
    EXPECT_EQ(ComputeArcPoints({"2", "0", "0", "1", "0", "2147483647", "0"}).refusal, ArcRefusal::BeyondRange);
}

TEST(Rotation, CosineTableHasTheBoardValues)
{
    const auto& t = CosineTable();
    EXPECT_EQ(t[0], 512);
    EXPECT_EQ(t[90], 362);
    EXPECT_EQ(t[180], 0);
    EXPECT_EQ(t[360], -512);
    EXPECT_EQ(t[540], 0);
}

} // namespace

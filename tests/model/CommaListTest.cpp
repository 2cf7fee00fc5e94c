#include "model/CommaList.h"
#include "model/PlacementLine.h"
#include "support/CaseNames.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

using namespace zol;
using zol::test::SpelledName;

namespace {

struct GoodList {
    std::string text;
    std::vector<int> values;
};

class CommaListAccepts : public ::testing::TestWithParam<GoodList> {};

TEST_P(CommaListAccepts, Values)
{
    EXPECT_EQ(ParseCommaList(GetParam().text), GetParam().values);
}

INSTANTIATE_TEST_SUITE_P(
    CommaList, CommaListAccepts,
    ::testing::Values(GoodList{"0", {0}}, GoodList{"1, -2,+3", {1, -2, 3}}, GoodList{"\t5", {5}},
                      GoodList{"-2147483648,2147483647", {INT32_MIN, INT32_MAX}},
                      GoodList{"007,-0", {7, 0}},
                      GoodList{"999999999,-99999999,1000000000", {999999999, -99999999, 1000000000}},
                      // 31 characters is the longest field.
                      GoodList{std::string(30, '0') + "9", {9}}),
    [](const auto& info) { return SpelledName(info.param.text); });

class CommaListRefuses : public ::testing::TestWithParam<std::string> {};

TEST_P(CommaListRefuses, WithConversionError)
{
    EXPECT_THROW(ParseCommaList(GetParam()), ConversionError);
}

const auto SpelledText = [](const auto& info) { return SpelledName(info.param); };

INSTANTIATE_TEST_SUITE_P(EmptyFields, CommaListRefuses, ::testing::Values("", ",", "1,", ",1", "1,,2", " "),
                         SpelledText);
INSTANTIATE_TEST_SUITE_P(NotIntegers, CommaListRefuses,
                         ::testing::Values("1 ", "1.5", "0x10", "$10", "abc", "+", "-", "1-2", "--1", "+-1", "1e3",
                                           "１", "12a"),
                         SpelledText);
INSTANTIATE_TEST_SUITE_P(Int32Overflow, CommaListRefuses,
                         ::testing::Values("2147483648", "-2147483649", "99999999999999999999",
                                           "1,-9223372036854775808"),
                         SpelledText);
INSTANTIATE_TEST_SUITE_P(TooLong, CommaListRefuses,
                         ::testing::Values(std::string(31, '0') + "9", // a field of 32 characters
                                           std::string(4096, '1')),    // a line of 4096 characters
                         SpelledText);

TEST(CommaList, LineLimitIs4095Characters)
{
    std::string fields;
    for (int i = 0; i < 511; ++i)
        fields += "0000001,";
    EXPECT_EQ(ParseCommaList(fields + "0000001").size(), 512u); // 4095 characters
    EXPECT_THROW(ParseCommaList(fields + "00000001"), ConversionError);
}

TEST(CommaList, ParseBufferHolds1024Numbers)
{
    std::string line = "0";
    for (int i = 1; i < 1024; ++i)
        line += "," + std::to_string(i % 10);
    EXPECT_EQ(ParseCommaList(line).size(), 1024u);
    EXPECT_THROW(ParseCommaList(line + ",1"), ConversionError);
}

TEST(CommaList, FormatsWithoutSpacesAndReadsBack)
{
    const std::vector<int> values = {204, -204, 0, 1, INT32_MIN, INT32_MAX};
    EXPECT_EQ(FormatCommaList(values), "204,-204,0,1,-2147483648,2147483647");
    EXPECT_EQ(ParseCommaList(FormatCommaList(values)), values);
}

// A figure's line is read without building the list of its numbers; it must
// read as the list would, and fail with the list's first error.
TEST(PlacementLine, ReadsAsItsNumberListDoes)
{
    std::string tooMany = "0";
    for (int i = 1; i < 1025; ++i)
        tooMany += ",1";
    const struct Case {
        std::string line;
        int pieces;
    } cases[] = {
        {"1,2,3,1", 1},
        {"1,2,3,-1,9,9,9", 1},             // numbers beyond the pieces' are ignored
        {"1,2,3,1,9,x", 1},                // but must still be numbers
        {"2000000,0,0,1,x", 1},            // the bad number is told before the bad value
        {"1,2,3", 7},                      // too few numbers
        {"0,0,0,2", 1},                    // a flip that is not a mirror
        {"0,0,0,1,0,0,1048577,1", 2},      // an angle out of range
        {tooMany, 1},                      // more numbers than the parser holds
        {std::string(4096, '1'), 1},       // an over-long line
        {"", 1},
        // Forms the one-pass reader leaves to the full one: the same figure
        // or the same error must come out.
        {" 5,\t2,+3,1", 1},                // blanks and a plus sign
        {"-0,0005,0,-1", 1},
        {"000000000012,0,0,1", 1},         // more than nine digits, a small value
        {"1234567890,0,0,1", 1},           // more than nine digits, out of range
        {"999999999,0,0,1", 1},            // nine digits, out of range
        {"1,2,3,1,", 1},                   // a trailing comma
        {",1,2,3,1", 1},
        {"1 ,2,3,1", 1},
        {"1,-,3,1", 1},
        {"1,--2,3,1", 1},
    };
    const auto reading = [](const auto& read) -> std::pair<std::optional<Figure>, std::string> {
        try {
            return {read(), {}};
        } catch (const ConversionError& e) {
            return {std::nullopt, e.what()};
        }
    };
    for (const Case& c : cases) {
        for (const int offset : {0, StartOffset}) {
            const auto direct = reading([&] { return ParsePlacementLine(c.line, c.pieces, offset); });
            const auto listed =
                reading([&] { return PlacementsFromValues(ParseCommaList(c.line), c.pieces, offset); });
            EXPECT_EQ(direct.first, listed.first) << c.line.substr(0, 40);
            EXPECT_EQ(direct.second, listed.second) << c.line.substr(0, 40);
        }
    }
    // A piece count beyond a figure's room is refused, not written past its end.
    std::string fortyPieces = "1";
    for (int i = 1; i < 4 * 40; ++i)
        fortyPieces += ",1";
    EXPECT_THROW(ParsePlacementLine(fortyPieces, 40, 0), ConversionError);
}

} // namespace

#include "model/CommaList.h"
#include "support/CaseNames.h"

#include <gtest/gtest.h>

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

} // namespace

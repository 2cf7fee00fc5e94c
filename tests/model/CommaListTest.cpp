#include "model/CommaList.h"

#include <gtest/gtest.h>

using namespace zol;

TEST(CommaList, ParsesSignedFieldsWithLeadingBlanks)
{
    EXPECT_EQ(ParseCommaList("1, -2,+3"), (std::vector<int>{1, -2, 3}));
}

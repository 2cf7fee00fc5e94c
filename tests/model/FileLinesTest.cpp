#include "model/FileLines.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace zol;
using Lines = std::vector<std::string>;

namespace {

// "cap\r\n1,2\r\nx" read into one buffer, its lines viewing it.
FileLines ReadLines()
{
    const char text[] = "cap\r\n1,2\r\nx";
    std::shared_ptr<char[]> bytes(new char[sizeof text]);
    std::memcpy(bytes.get(), text, sizeof text);
    return FileLines(bytes, {{0, 3}, {5, 3}, {10, 1}});
}

} // namespace

TEST(FileLines, ViewedAndWrittenLinesEditAlike)
{
    FileLines lines = ReadLines();
    EXPECT_EQ(lines, (Lines{"cap", "1,2", "x"}));
    lines.Insert(1, {"new", "3,4"});
    lines.Set(0, lines[0].substr(1)); // a view of the line it replaces
    lines.Set(3, "");
    lines.Swap(1, 4);
    EXPECT_EQ(lines, (Lines{"ap", "x", "3,4", "", "new"}));
    lines.Erase(1, 3);
    lines.PushBack("end");
    lines.Truncate(10);
    EXPECT_EQ(lines, (Lines{"ap", "", "new", "end"}));
    EXPECT_EQ(lines.TextSize(), 8u);
}

TEST(FileLines, CopiesShareTheBytesButNotTheirEdits)
{
    FileLines original = ReadLines();
    original.Set(2, "written");
    FileLines copy = original;
    original.Set(0, "changed");
    original.Set(2, "again");
    original.Erase(1, 2);
    EXPECT_EQ(copy, (Lines{"cap", "1,2", "written"}));
    copy = original;
    EXPECT_EQ(copy, original);
    FileLines moved = std::move(copy);
    EXPECT_EQ(moved, (Lines{"changed", "again"}));
}

TEST(FileLines, RearrangesOnlyByAPermutation)
{
    FileLines lines = ReadLines();
    lines.Set(1, "owned");
    lines.Rearrange({2, 0, 1});
    EXPECT_EQ(lines, (Lines{"x", "cap", "owned"}));
    // A line taken twice would be freed twice; nothing changes.
    EXPECT_THROW(lines.Rearrange({2, 2, 1}), std::invalid_argument);
    EXPECT_THROW(lines.Rearrange({0, 1}), std::invalid_argument);
    EXPECT_EQ(lines, (Lines{"x", "cap", "owned"}));
}

// zoltool same, duplicates and solve: their output and exit statuses.
#include "ZoltoolProcess.h"
#include "support/SilhouetteFigures.h"

#include "model/PlacementLine.h"
#include "model/SilhouetteMatch.h"
#include "model/TangramModel.h"

#include <QFile>
#include <QTemporaryDir>

namespace zol {
namespace {

using namespace test;

class SilhouetteCommands : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    std::string Write(const char* name, const std::string& text)
    {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.c_str());
        return file.fileName().toStdString();
    }
    QTemporaryDir dir;
};

Silhouette SilhouetteOf(const std::string& line)
{
    TangramModel model;
    return FigureSilhouette(model.pieceSet(), ParsePlacementLine(line, model.pieceCount(), 0));
}

TEST_F(SilhouetteCommands, SameTellsByWordsAndStatus)
{
    const Outcome same = Zoltool({"same", ClassicSquare, MovedSquare});
    EXPECT_EQ(same.status, 0);
    EXPECT_EQ(same.out, "same 0.00\n");
    const Outcome different = Zoltool({"same", ClassicSquare, NotchedSquare});
    EXPECT_EQ(different.status, 1);
    EXPECT_EQ(different.out.rfind("different ", 0), 0u) << different.out;
    EXPECT_GT(std::stod(different.out.substr(10)), SameSilhouetteTolerance);
    EXPECT_EQ(Zoltool({"same", ClassicSquare, "1,2,3"}).status, 2);
}

TEST_F(SilhouetteCommands, DuplicatesListsGroupsWithCaptions)
{
    const std::string doc = Write("doc.zol", std::string("2.13\r\ntan\r\nsquare\r\n") + ClassicSquare +
                                                 "\r\nnotched\r\n" + NotchedSquare + "\r\nmoved square\r\n" + MovedSquare +
                                                 "\r\n");
    const Outcome found = Zoltool({"duplicates", doc});
    EXPECT_EQ(found.status, 0) << found.err;
    EXPECT_EQ(found.out, "group 1\n  0 square\n  2 moved square\n");
    const std::string none = Write("none.zol", std::string("2.13\r\ntan\r\nsquare\r\n") + ClassicSquare + "\r\n");
    EXPECT_EQ(Zoltool({"duplicates", none}).out, "");
    EXPECT_EQ(Zoltool({"duplicates", dir.filePath("missing.zol").toStdString()}).status, 1);
}

TEST_F(SilhouetteCommands, SolvePrintsAPlacementLineThatMakesTheSilhouette)
{
    const Outcome solved = Zoltool({"solve", ClassicSquare});
    ASSERT_EQ(solved.status, 0) << solved.err;
    const std::vector<std::string> lines = Lines(solved.out);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_LE(OutlineDistance(SilhouetteOf(lines[0]), SilhouetteOf(ClassicSquare)), SameSilhouetteTolerance);
}

// A square ring 20 pixels wide with the seven pieces' area, and the square
// with its medium triangle laid over a large one: the silhouette it draws
// is searched, not refused, and too small for the seven.
TEST_F(SilhouetteCommands, SolveProvesAnOutlineUnsolvable)
{
    const std::string strip = Write("strip.txt", "86,86,426,86,426,426,86,426\n106,106,406,106,406,406,106,406\n");
    const std::string overlapping = "256,312" + std::string(ClassicSquare).substr(7);
    for (const std::vector<std::string>& words :
         {std::vector<std::string>{"solve", "--outline", strip}, std::vector<std::string>{"solve", overlapping}}) {
        const Outcome unsolvable = Zoltool(words);
        EXPECT_EQ(unsolvable.status, 1) << words.back();
        EXPECT_EQ(unsolvable.out, "");
        EXPECT_NE(unsolvable.err.find("unsolvable"), std::string::npos) << unsolvable.err;
    }
}

// A frame of two bars and two squares on a right-angle grid: the bars lie
// along one pair of sides or the other.
TEST_F(SilhouetteCommands, SolveAllWithAnotherSet)
{
    const std::string set = Write("frame.plt", "2.13\r\nframe\r\n4\r\n4,0,0,0,0,120,0,120,40,0,40\r\n"
                                               "4,0,0,0,0,120,0,120,40,0,40\r\n4,0,0,0,0,40,0,40,40,0,40\r\n"
                                               "4,0,0,0,0,40,0,40,40,0,40\r\n0,0,0,1,0,80,0,1,0,40,0,1,80,40,0,1\r\n"
                                               "frame\r\n180\r\n");
    const std::string outline = Write("frame.txt", "100,100,220,100,220,220,100,220\n140,140,180,140,180,180,140,180\n");
    const Outcome all = Zoltool({"solve", "--outline", outline, "--with", set, "--all"});
    EXPECT_EQ(all.status, 0) << all.err;
    EXPECT_EQ(Lines(all.out).size(), 2u);
    EXPECT_NE(all.err.find("2 solutions; the search is complete"), std::string::npos) << all.err;
    const Outcome first = Zoltool({"solve", "--outline", outline, "--with", set, "--all", "--limit", "1"});
    EXPECT_EQ(Lines(first.out).size(), 1u);
    EXPECT_NE(first.err.find("stopped at the limit"), std::string::npos) << first.err;
}

TEST_F(SilhouetteCommands, SolveRefusesWithAClearMessage)
{
    struct Case {
        std::vector<std::string> words;
        int status;
        std::string says;
    };
    const std::string strip = Write("strip.txt", "86,86,426,86,426,426,86,426\n106,106,406,106,406,406,106,406\n");
    const std::string flat = Write("flat.txt", "10,10,20,20,30,30\n");
    const std::string odd = Write("odd.txt", "10,10,20,20,30\n");
    const std::vector<Case> cases = {
        {{"solve", ClassicSquare, "--outline", strip}, 2, "one of them"},
        {{"solve", ClassicSquare, "--limit", "3"}, 2, "--limit goes with --all"},
        {{"solve", ClassicSquare, "--seconds", "0"}, 2, "--seconds"},
        {{"solve", ClassicSquare, "--with", "no-such-set"}, 2, "--with no-such-set"},
        {{"solve", "--outline", flat}, 2, "the silhouette is empty"},
        {{"solve", "--outline", odd}, 2, "odd.txt line 1"},
        {{"solve", MovedSquare + std::string(",") }, 2, "bad FIGURE"},
        {{"solve", "404,204,0,1,496,190,0,1,456,216,0,1,430,256,0,1,396,276,0,1,512,256,0,1,456,312,0,1"},
         2,
         "not wholly on the board"},
        {{"solve", ClassicSquare, "--all", "--seconds", "0.000001"}, 2, "the time ran out"},
    };
    for (const Case& c : cases) {
        const Outcome refused = Zoltool(c.words);
        EXPECT_EQ(refused.status, c.status) << c.says;
        EXPECT_NE(refused.err.find(c.says), std::string::npos) << refused.err;
        EXPECT_EQ(refused.err.find('\n'), refused.err.size() - 1) << refused.err;
    }
}

TEST_F(SilhouetteCommands, HelpNamesTheCommands)
{
    const Outcome help = Zoltool({"--help"});
    for (const char* usage : {"zoltool same FIGURE FIGURE", "zoltool duplicates DOC.zol",
                              "zoltool solve [FIGURE] [--outline FILE] [--with SET] [--all] [--limit N] [--seconds S]"})
        EXPECT_NE(help.out.find(usage), std::string::npos) << usage;
}

} // namespace
} // namespace zol

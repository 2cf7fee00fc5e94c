#include "ModelFixtures.h"
#include "support/CaseNames.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <stdexcept>

using namespace zol;
using namespace zol::test;

namespace {

// A list of three figures whose captions and first x tell them apart.
class FigureList : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (int k = 0; k < 3; ++k) {
            Place(model, 0, 100 + k, 50);
            model.SetFigureCaption(-1, "fig" + std::to_string(k));
            model.StoreFigure(-1);
        }
        model.setModified(false);
    }
    std::vector<std::string> captions() const
    {
        std::vector<std::string> result;
        for (int k = 0; k < model.figureCount(); ++k)
            result.push_back(model.GetFigureCaption(k));
        return result;
    }
    int firstX(int k) { return model.ParseFigure(k).x[0]; }

    TangramModel model;
};

TEST_F(FigureList, StoreAppendsCaptionAndPlacementLine)
{
    ASSERT_EQ(model.figureCount(), 3);
    const auto& lines = model.figureLines();
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0], "tan");
    EXPECT_EQ(lines[5], "fig2");
    EXPECT_EQ(lines[6].substr(0, 11), "102,50,0,1,");
    EXPECT_EQ(std::count(lines[6].begin(), lines[6].end(), ','), 27);
}

TEST_F(FigureList, StoreAtAnIndexInsertsThereAndMovesTheRestDown)
{
    model.SetFigureCaption(-1, "new");
    model.StoreFigure(0);
    EXPECT_EQ(captions(), (std::vector<std::string>{"new", "fig0", "fig1", "fig2"}));
    EXPECT_EQ(firstX(1), 100);
    EXPECT_TRUE(model.modified());
    model.StoreFigure(4); // one past the end appends
    EXPECT_EQ(model.figureCount(), 5);
    EXPECT_EQ(model.GetFigureCaption(4), "new");
}

TEST_F(FigureList, StoredPlacementsReadBackWithoutOffsetAndWithTheirFlip)
{
    Place(model, 3, -20, 700, 719, -1.0);
    model.StoreFigure(-1);
    const Figure board = model.currentFigure();
    Place(model, 3, 0, 0);
    model.LoadFigure(3);
    EXPECT_EQ(model.currentFigure(), board);
    EXPECT_NE(model.figureLines()[8].find(",-20,700,719,-1,"), std::string::npos);
}

TEST_F(FigureList, RemoveTakesOutBothLines)
{
    model.RemoveFigure(1);
    EXPECT_EQ(captions(), (std::vector<std::string>{"fig0", "fig2"}));
    EXPECT_EQ(model.figureLines().size(), 5u);
    EXPECT_EQ(firstX(1), 102);
    EXPECT_TRUE(model.modified());
}

TEST_F(FigureList, SwapExchangesCaptionsAndPlacements)
{
    model.SwapFigures(0, 2);
    EXPECT_EQ(captions(), (std::vector<std::string>{"fig2", "fig1", "fig0"}));
    EXPECT_EQ(firstX(0), 102);
    EXPECT_EQ(firstX(2), 100);
    EXPECT_TRUE(model.modified());
}

TEST_F(FigureList, SwapWithItselfChangesNothingButMarksModified)
{
    const auto lines = model.figureLines();
    model.SwapFigures(1, 1);
    EXPECT_EQ(model.figureLines(), lines);
    EXPECT_TRUE(model.modified());
}

struct MoveCase {
    int from;
    int to;
    std::vector<std::string> captions;
};

// Each figure keeps its own two lines, byte for byte, wherever it goes.
TEST_F(FigureList, MoveTakesBothLinesToTheirNewPlace)
{
    std::vector<std::string> lines = model.figureLines();
    lines[2] = "1, 2,x"; // a placement line no parser accepts moves all the same
    const MoveCase cases[] = {
        {0, 2, {"fig1", "fig2", "fig0"}},
        {2, 0, {"fig2", "fig0", "fig1"}},
        {1, 2, {"fig0", "fig2", "fig1"}},
        {1, 0, {"fig1", "fig0", "fig2"}},
    };
    for (const MoveCase& c : cases) {
        model.SetFigureLines(lines, TextEncoding::Cp932);
        model.setModified(false);
        model.MoveFigure(c.from, c.to);
        EXPECT_EQ(captions(), c.captions) << c.from << "->" << c.to;
        for (int k = 0; k < 3; ++k) {
            const std::string& caption = c.captions[static_cast<size_t>(k)];
            const size_t original = 2 * static_cast<size_t>(caption.back() - '0') + 2;
            EXPECT_EQ(model.figureLines()[2 * static_cast<size_t>(k) + 2], lines[original]) << c.from << "->" << c.to;
        }
        EXPECT_EQ(model.figureLines()[0], "tan");
        EXPECT_TRUE(model.modified());
    }
}

TEST_F(FigureList, MoveOntoItsOwnPlaceChangesNothing)
{
    const auto lines = model.figureLines();
    model.MoveFigure(1, 1);
    EXPECT_EQ(model.figureLines(), lines);
    EXPECT_FALSE(model.modified());
}

TEST_F(FigureList, CaptionsChangeWithoutMarkingModified)
{
    model.SetFigureCaption(1, "renamed");
    model.SetFigureCaption(-1, "board");
    EXPECT_EQ(captions(), (std::vector<std::string>{"fig0", "renamed", "fig2"}));
    EXPECT_EQ(model.GetFigureCaption(-1), "board");
    EXPECT_EQ(model.currentFigure().caption, "board");
    EXPECT_FALSE(model.modified());
}

TEST_F(FigureList, ClearLeavesOnlyTheSetNameAndANewScatteredBoard)
{
    model.setDocumentPath("/tmp/x.zol");
    model.setModified(true);
    model.ClearFigureList();
    EXPECT_EQ(model.figureLines(), std::vector<std::string>{"tan"});
    EXPECT_EQ(model.figureCount(), 0);
    EXPECT_EQ(model.documentPath(), "新しいファイル");
    EXPECT_FALSE(model.hasDocumentFile());
    EXPECT_FALSE(model.modified());
    EXPECT_EQ(model.currentFigure().caption, "\x96\xbc\x8f\xcc\x96\xa2\x90\xdd\x92\xe8");
}

TEST_F(FigureList, LoadFigureClearsTheSelection)
{
    model.SelectInRect(0, 0, 511, 511);
    ASSERT_EQ(model.selection(), -2);
    model.LoadFigure(1);
    EXPECT_EQ(model.selection(), -1);
    EXPECT_EQ(model.currentFigure().caption, "fig1");
    EXPECT_EQ(model.currentFigure().x[0], 101);
    ExpectPolygonsMatchPlacements(model);
}

using Operation = std::function<void(TangramModel&)>;
struct IndexCase {
    const char* what;
    Operation operation;
};

class FigureListIndexError : public FigureList, public ::testing::WithParamInterface<IndexCase> {};

TEST_P(FigureListIndexError, ChangesNothing)
{
    model.SelectInRect(0, 0, 511, 511);
    const ModelState before = Capture(model);
    EXPECT_THROW(GetParam().operation(model), std::out_of_range) << GetParam().what;
    EXPECT_EQ(Capture(model), before) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Operations, FigureListIndexError,
    ::testing::Values(IndexCase{"store two past the end", [](TangramModel& m) { m.StoreFigure(4); }},
                      IndexCase{"remove at the count", [](TangramModel& m) { m.RemoveFigure(3); }},
                      IndexCase{"remove the board figure", [](TangramModel& m) { m.RemoveFigure(-1); }},
                      IndexCase{"swap past the end", [](TangramModel& m) { m.SwapFigures(0, 3); }},
                      IndexCase{"swap before the start", [](TangramModel& m) { m.SwapFigures(-1, 0); }},
                      IndexCase{"move past the end", [](TangramModel& m) { m.MoveFigure(0, 3); }},
                      IndexCase{"move the board figure", [](TangramModel& m) { m.MoveFigure(-1, 1); }},
                      IndexCase{"caption past the end", [](TangramModel& m) { m.SetFigureCaption(3, "x"); }},
                      IndexCase{"read caption past the end", [](TangramModel& m) { m.GetFigureCaption(3); }},
                      IndexCase{"load past the end", [](TangramModel& m) { m.LoadFigure(3); }}),
    NamedByWhat());

TEST_F(FigureList, MalformedPlacementLineLeavesTheBoardAsItWas)
{
    std::vector<std::string> lines = model.figureLines();
    lines[2] = "1,2,3";
    lines[4] = lines[4] + ",";
    model.SetFigureLines(lines, TextEncoding::Cp932);
    model.SelectInRect(0, 0, 511, 511);
    const ModelState before = Capture(model);
    EXPECT_THROW(model.LoadFigure(0), ConversionError);
    EXPECT_THROW(model.LoadFigure(1), ConversionError);
    EXPECT_EQ(Capture(model), before);
}

} // namespace

#include "io/FileError.h"
#include "io/PieceSetFile.h"
#include "io/TextCodec.h"
#include "model/CommaList.h"
#include "model/TangramModel.h"

#include "IoTestSupport.h"

using namespace zol;
using test::ScriptedPrompter;

namespace {

constexpr const char* NotFound = "あう～\n\n.pltファイルが見つからへんかったのん、\n\n堪忍したってな。";
constexpr const char* Unsupported = "pltファイルが未対応のバージョンのものでした。";
constexpr const char* OldQuestion =
    "pltファイルがZol2.13よりも前に使われていたもののようです。\n\nファイルを新しいバージョンの形式に書き換えますか？";

std::string SetFile(const std::string& name, const std::string& display)
{
    return "2.13\r\n" + name + "\r\n1\r\n4,20,20,0,0,40,0,40,40,0,40\r\n60,60,0,1\r\n" + display + "\r\n90\r\n";
}

QString DisplayName(const TangramModel& model)
{
    return DecodeText(model.pieceSet().displayName, model.setEncoding());
}

class PieceSetFile : public test::ProgramFolderTest {
protected:
    // A document with one figure, to show whether a load clears it.
    PieceSetFile() { model.StoreFigure(-1); }

    void ExpectBuiltInWithEmptyList() const
    {
        EXPECT_EQ(model.pieceSet().name, "tan");
        EXPECT_EQ(model.figureLines(), std::vector<std::string>{"tan"});
        EXPECT_EQ(model.figureCount(), 0);
        EXPECT_EQ(model.documentPath(), "新しいファイル");
    }

    TangramModel model;
};

} // namespace

TEST_F(PieceSetFile, FindsTheSetInTheCurrentFolderFirstThenBesideTheProgram)
{
    WriteFixture("square.plt", "pltes/square.plt");
    Write("chosen/square.plt", SetFile("square", "Chosen"));
    ScriptedPrompter prompter;

    EXPECT_TRUE(LoadPieceSet(model, "square", Path("chosen"), prompter));
    EXPECT_EQ(DisplayName(model), "Chosen");
    EXPECT_TRUE(LoadPieceSet(model, "square", Path("elsewhere"), prompter));
    EXPECT_EQ(DisplayName(model), QString::fromUtf8("正方形"));
    EXPECT_TRUE(LoadPieceSet(model, "SQUARE", {}, prompter)) << "names match files without regard to case";

    EXPECT_EQ(model.pieceSet().pieceCount, 1);
    EXPECT_EQ(model.startFigure().x[0], 60 + StartOffset);
    EXPECT_EQ(model.pieceSet().angleStep, 90);
    EXPECT_FALSE(model.loadFailed());
    EXPECT_EQ(model.figureCount(), 1) << "loading a set leaves the document to its caller";
    EXPECT_TRUE(prompter.informed.empty());

    EXPECT_TRUE(ChangePieceSet(model, "square", {}, prompter));
    EXPECT_EQ(model.figureLines(), std::vector<std::string>{"square"});
}

TEST_F(PieceSetFile, GivesUpWithTheBuiltInSetAndAMessage)
{
    struct Case {
        const char* fixture; // written as pltes/<name>.plt when set
        QString name;
        const char* message;
    } cases[] = {
        {nullptr, "square", NotFound},
        {"square-2.12.plt", "square", Unsupported},
        // An old file is recognised by its first line naming the set asked for.
        {"square-old.plt", "copy", Unsupported},
        {nullptr, "../pltes/square", NotFound},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        if (c.fixture)
            WriteFixture(c.fixture, "pltes/" + c.name + ".plt");
        model.StoreFigure(-1);
        ScriptedPrompter prompter;
        EXPECT_FALSE(LoadPieceSet(model, c.name, {}, prompter));
        EXPECT_EQ(prompter.informed, std::vector<std::string>{c.message});
        EXPECT_TRUE(model.loadFailed());
        ExpectBuiltInWithEmptyList();
    }
}

TEST_F(PieceSetFile, TheBuiltInSetNeedsNoFileButAFileOfItsNameWins)
{
    WriteFixture("square.plt", "pltes/square.plt");
    ScriptedPrompter prompter;
    ASSERT_TRUE(ChangePieceSet(model, "square", {}, prompter));
    model.StoreFigure(-1);

    EXPECT_TRUE(LoadPieceSet(model, "tan", {}, prompter));
    EXPECT_EQ(model.pieceSet().name, "tan");
    EXPECT_EQ(model.pieceCount(), 7);
    EXPECT_EQ(DisplayName(model), QString::fromUtf8("タングラム"));
    EXPECT_FALSE(model.loadFailed());
    EXPECT_EQ(model.figureCount(), 1) << "loading a set leaves the document to its caller";
    EXPECT_TRUE(prompter.informed.empty());

    Write("pltes/tan.plt", SetFile("tan", "Mine"));
    EXPECT_TRUE(LoadPieceSet(model, "tan", {}, prompter));
    EXPECT_EQ(DisplayName(model), "Mine");
    EXPECT_EQ(model.pieceCount(), 1);
}

TEST_F(PieceSetFile, OffersToAddTheVersionLineToAnOldFile)
{
    const std::string old = test::Fixture("square-old.plt");
    for (bool yes : {true, false}) {
        SCOPED_TRACE(yes ? "Yes" : "No");
        WriteFixture("square-old.plt", "pltes/square.plt");
        ScriptedPrompter prompter({yes});
        EXPECT_TRUE(LoadPieceSet(model, "square", {}, prompter));
        EXPECT_EQ(prompter.asked, std::vector<std::string>{OldQuestion});
        EXPECT_EQ(model.pieceSet().name, "square");
        EXPECT_EQ(DisplayName(model), QString::fromUtf8("古い正方形"));
        EXPECT_EQ(Read("pltes/square.plt"), yes ? "2.13\r\n" + old : old);
    }
}

// Sets beyond the limits of the model, or not well formed, are refused before
// anything of them is installed.
TEST_F(PieceSetFile, RefusesMalformedSetsLeavingTheModelAsItWas)
{
    const std::string piece = "3,0,0,0,0,10,0,0,10\r\n";
    const std::string tail = "0,0,0,1\r\nname\r\n90\r\n";
    std::string manyOnes;
    for (int i = 0; i < 128; ++i)
        manyOnes += ",1";
    std::string longLine = "3,0,0,0,0,10,0,0";
    while (longLine.size() <= 4095)
        longLine += ",000000000000000000000000000010";
    const std::string cases[] = {
        "2.13\r\nbad\r\n33\r\n",
        "2.13\r\nbad\r\n0\r\n" + tail,
        "2.13\r\nbad\r\nmany\r\n" + piece + tail,
        "2.13\r\nbad\r\n1\r\n64,0,0" + manyOnes + "\r\n" + tail,
        "2.13\r\nbad\r\n1\r\n0,0,0\r\n" + tail,
        "2.13\r\nbad\r\n1\r\n3,0,0,0,0,10,0\r\n" + tail,
        "2.13\r\nbad\r\n1\r\n" + longLine + "\r\n" + tail,
        "2.13\r\nbad\r\n1\r\n3,0,0,0,0," + std::string(40, '1') + ",0,0,10\r\n" + tail,
        "2.13\r\nbad\r\n1\r\n3,0,0,0,0,2000000,0,0,10\r\n" + tail,
        "2.13\r\nbad\r\n1\r\n3,0,0,0,0,1a,0,0,10\r\n" + tail,
        "2.13\r\nbad\r\n1\r\n" + piece + "0,0,0\r\nname\r\n90\r\n",
        "2.13\r\nbad\r\n1\r\n" + piece + "0,0,0,1\r\nname\r\n0\r\n",
        "2.13\r\nbad\r\n1\r\n" + piece + "0,0,0,1\r\nname\r\n",
    };
    const auto setLines = model.setLines();
    const auto figureLines = model.figureLines();
    for (const std::string& text : cases) {
        SCOPED_TRACE(text.substr(0, 60));
        Write("pltes/bad.plt", text);
        ScriptedPrompter prompter;
        EXPECT_THROW(LoadPieceSet(model, "bad", {}, prompter), ConversionError);
        EXPECT_EQ(model.pieceSet().name, "tan");
        EXPECT_EQ(model.setLines(), setLines);
        EXPECT_EQ(model.figureLines(), figureLines);
    }
}

TEST_F(PieceSetFile, ScanListsEverySetSortedByDisplayNameWithoutRegardToCase)
{
    Write("pltes/x1.plt", SetFile("x1", "Alpha"));
    Write("pltes/x2.plt", SetFile("x2", "alpha"));
    Write("pltes/g.plt", SetFile("g", "Gamma"));
    Write("pltes/b.plt", SetFile("b", "beta"));
    Write("pltes/mine.plt", SetFile("other", "Other"));
    WriteFixture("square-2.12.plt", "pltes/old.plt");
    Write("pltes/broken.plt", SetFile("broken", "Broken").replace(22, 1, "x"));
    Write("pltes/notes.txt", "not a set");
    ScriptedPrompter prompter;

    const PieceSetMenu menu = ScanPieceSets(model, PieceSetScanFolder(), prompter);

    EXPECT_EQ(menu.displayNames,
              (std::vector<QString>{"Alpha", "alpha", "beta", "Gamma", "Other", QString::fromUtf8("タングラム")}));
    EXPECT_EQ(menu.setNames, (std::vector<QString>{"x1", "x2", "b", "g", "other", "tan"}));
    EXPECT_EQ(prompter.informed, std::vector<std::string>{Unsupported});
    ASSERT_EQ(menu.errors.size(), 1u);
    EXPECT_EQ(PieceSetErrorReport(menu.errors, Language::English),
              "These piece-set files could not be used:\n" + DisplayPath(Path("pltes/broken.plt")) +
                  ": 'x0' is not a valid integer value");
    ExpectBuiltInWithEmptyList();
}

TEST_F(PieceSetFile, TheEntryOfAFailedFileSwitchesToTheBuiltInSet)
{
    WriteFixture("square-2.12.plt", "pltes/old.plt");
    WriteFixture("square.plt", "pltes/square.plt");
    ScriptedPrompter scan;
    const PieceSetMenu menu = ScanPieceSets(model, PieceSetScanFolder(), scan);
    ASSERT_EQ(menu.displayNames, (std::vector<QString>{QString::fromUtf8("タングラム"), QString::fromUtf8("正方形")}));

    ScriptedPrompter prompter;
    ASSERT_TRUE(ChangePieceSet(model, menu.setNames[1], {}, prompter));
    model.StoreFigure(-1);
    EXPECT_TRUE(ChangePieceSet(model, menu.setNames[0], {}, prompter));
    EXPECT_TRUE(prompter.informed.empty());
    EXPECT_FALSE(model.loadFailed());
    ExpectBuiltInWithEmptyList();
}

TEST_F(PieceSetFile, ScanUsesTheProgramFolderWhenThereIsNoPieceSetFolder)
{
    Write("loose.plt", SetFile("loose", "Loose"));
    EXPECT_EQ(PieceSetScanFolder(), ProgramFolder());
    ScriptedPrompter prompter;
    const PieceSetMenu menu = ScanPieceSets(model, PieceSetScanFolder(), prompter);
    EXPECT_EQ(menu.setNames, std::vector<QString>{"loose"});
}

#include "support/CaseNames.h"
#include "ZoltoolProcess.h"

#include "model/Palette.h"
#include "model/Random.h"
#include "model/TangramModel.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace zol;
using zol::test::NamedByWhat;

namespace {

// The built-in start arrangement with its offset: the solved square.
const std::string Solved = "204,204,0,1,296,190,0,1,256,216,0,1,230,256,0,1,196,276,0,1,308,256,0,1,256,308,0,1";
// Turned, mirrored and off-board pieces; the large triangle at 90 is straightened.
const std::string Scattered =
    "204,204,90,1,296,190,0,-1,256,216,45,1,230,256,0,1,196,276,630,-1,256,256,90,1,-256,308,719,1";

TEST(Zoltool, PolygonsPrintsOneLinePerPieceAfterStraightening)
{
    const Outcome solved = Zoltool({"polygons", Solved});
    EXPECT_EQ(solved.status, 0);
    EXPECT_EQ(solved.err, "");
    EXPECT_EQ(Lines(solved.out), (std::vector<std::string>{
                                      "176,176,176,256,256,176",
                                      "256,176,296,216,336,176",
                                      "256,176,216,216,256,256,296,216",
                                      "216,216,216,296,256,256",
                                      "176,256,176,336,216,296,216,216",
                                      "252,256,332,336,332,176",
                                      "256,252,176,332,336,332",
                                  }));
    const Outcome scattered = Zoltool({"polygons", Scattered});
    EXPECT_EQ(scattered.status, 0);
    EXPECT_EQ(Lines(scattered.out), (std::vector<std::string>{
                                         "204,165,148,221,260,221",
                                         "336,176,296,216,256,176",
                                         "271,179,220,200,241,253,293,231",
                                         "216,216,216,296,256,256",
                                         "196,248,252,304,196,304,140,248",
                                         "216,216,216,329,329,216",
                                         "-256,253,-336,333,-176,331",
                                     }));
}

TEST(Zoltool, PaletteOfThePlainSets)
{
    const Outcome white = Zoltool({"palette", "1"});
    EXPECT_EQ(white.status, 0);
    std::vector<std::string> expected(33, "255,255,255");
    expected[0] = "0,0,0";
    EXPECT_EQ(Lines(white.out), expected);

    const Outcome transparent = Zoltool({"palette", "6", "--seed", "5"});
    expected.assign(33, "0,0,0");
    expected[0] = "workspace";
    EXPECT_EQ(Lines(transparent.out), expected);
}

TEST(Zoltool, PaletteWithASeedRepeatsWhatTheModelGenerates)
{
    const Outcome run = Zoltool({"palette", "5", "--seed", "4000000000"});
    EXPECT_EQ(run.status, 0);
    TangramModel model;
    SeedRandom(4000000000u);
    const PaletteParams& p = FixedPalettes()[5].params;
    model.SetPalette(p.bgcolor, p.ho, p.so, p.vo, p.hr, p.sr, p.vr);
    std::vector<std::string> expected = {"0,0,0"};
    for (int i = 0; i < MaxPieces; ++i) {
        const ColorRef c = model.pieceColor(i);
        expected.push_back(std::to_string(c & 0xFF) + "," + std::to_string((c >> 8) & 0xFF) + "," +
                           std::to_string(c >> 16));
    }
    EXPECT_EQ(Lines(run.out), expected);
    EXPECT_EQ(Zoltool({"palette", "5", "--seed", "4000000000"}).out, run.out);
    EXPECT_NE(Zoltool({"palette", "5", "--seed", "1"}).out, run.out);
}

class Render : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }
    QImage render(const std::vector<std::string>& options)
    {
        std::vector<std::string> words = {"render", Scattered, path()};
        words.insert(words.end(), options.begin(), options.end());
        const Outcome run = Zoltool(words);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, "");
        return QImage(QString::fromStdString(path())).convertToFormat(QImage::Format_RGB32);
    }
    std::string path() const { return folder.filePath("out.png").toStdString(); }
    // What the model paints for the same figure, to compare with.
    void placeScattered()
    {
        std::vector<int> v;
        size_t start = 0;
        for (size_t comma; (comma = Scattered.find(',', start)) != std::string::npos; start = comma + 1)
            v.push_back(std::stoi(Scattered.substr(start, comma - start)));
        v.push_back(std::stoi(Scattered.substr(start)));
        Figure figure = model.currentFigure();
        for (int i = 0; i < 7; ++i)
            figure.setPlacement(i, {v[4 * i], v[4 * i + 1], v[4 * i + 2], double(v[4 * i + 3])});
        model.SetCurrentFigure(figure);
    }
    void usePalette(int tag, uint32_t seed)
    {
        const PaletteParams& p = FixedPalettes()[tag].params;
        SeedRandom(seed);
        model.SetPalette(p.bgcolor, p.ho, p.so, p.vo, p.hr, p.sr, p.vr);
    }

    QTemporaryDir folder;
    TangramModel model;
};

TEST_F(Render, DefaultsToWhitePiecesOnBlackAtFullSize)
{
    const QImage image = render({});
    placeScattered();
    model.SetPalette(0x000000, 255, 0, 255, 0, 0, 0);
    QImage expected(512, 512, QImage::Format_RGB32);
    model.DrawFigure(-1, 1.0, expected, Background::Fill);
    EXPECT_EQ(image, expected);
    EXPECT_EQ(image.pixel(256, 260), qRgb(255, 255, 255));
}

TEST_F(Render, ScaleZoomAndPaletteReachDrawFigure)
{
    const QImage image = render({"--scale", "0.3", "--zoom", "140", "--palette", "3", "--seed", "9"});
    ASSERT_EQ(image.size(), QSize(154, 154)); // round(153.6)
    placeScattered();
    model.setZoomPercent(140);
    usePalette(3, 9);
    QImage expected(154, 154, QImage::Format_RGB32);
    model.DrawFigure(-1, 0.3, expected, Background::Fill);
    EXPECT_EQ(image, expected);
}

TEST_F(Render, GuideIsTheAntialiasedReductionThroughTheGamma)
{
    const QImage image = render({"--guide", "--gamma", "2.2", "--palette", "2", "--seed", "3"});
    placeScattered();
    usePalette(2, 3);
    model.SetGamma(2.2);
    QImage board(512, 512, QImage::Format_RGB32);
    QImage expected(128, 128, QImage::Format_RGB32);
    model.RenderBoard(-1, board, expected, true);
    EXPECT_EQ(image, expected);

    const QImage plain = render({"--guide", "--no-aa", "--palette", "2", "--seed", "3"});
    model.RenderBoard(-1, board, expected, false);
    EXPECT_EQ(plain, expected);
    EXPECT_NE(plain, image);
}

struct BadCase {
    const char* what;
    std::vector<std::string> words;
    const char* says; // a piece of the message
};

class BadInvocation : public ::testing::TestWithParam<BadCase> {};

TEST_P(BadInvocation, PrintsOneLineAndExitsWith2)
{
    const Outcome run = Zoltool(GetParam().words);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    ASSERT_EQ(Lines(run.err).size(), 1u) << run.err;
    EXPECT_NE(run.err.find(GetParam().says), std::string::npos) << run.err;
}

const std::string Short = Solved.substr(0, Solved.rfind(','));

INSTANTIATE_TEST_SUITE_P(
    Arguments, BadInvocation,
    ::testing::Values(
        BadCase{"unknown command", {"frobnicate"}, "unknown command"},
        BadCase{"polygons without figure", {"polygons"}, "usage: zoltool polygons"},
        BadCase{"polygons extra operand", {"polygons", Solved, "extra"}, "usage"},
        BadCase{"figure of 27 numbers", {"polygons", Short}, "27 numbers"},
        BadCase{"figure of 29 numbers", {"polygons", Solved + ",1"}, "29 numbers"},
        BadCase{"figure not numbers", {"polygons", "1,2,x"}, "bad FIGURE"},
        BadCase{"figure ends in comma", {"polygons", Solved + ","}, "bad FIGURE"},
        BadCase{"flip 2", {"polygons", Solved.substr(0, Solved.size() - 1) + "2"}, "flip"},
        BadCase{"figure number overflows", {"polygons", "9999999999" + Solved.substr(3)}, "bad FIGURE"},
        BadCase{"option of another command", {"polygons", Solved, "--seed", "1"}, "no option --seed"},
        BadCase{"palette tag 7", {"palette", "7"}, "TAG"},
        BadCase{"palette tag minus 1", {"palette", "-1"}, "TAG"},
        BadCase{"palette tag a word", {"palette", "two"}, "TAG"},
        BadCase{"seed without value", {"palette", "2", "--seed"}, "needs a value"},
        BadCase{"negative seed", {"palette", "2", "--seed", "-1"}, "--seed"},
        BadCase{"seed of 2 to the 32", {"palette", "2", "--seed", "4294967296"}, "--seed"},
        BadCase{"seed twice", {"palette", "2", "--seed", "1", "--seed", "2"}, "twice"},
        BadCase{"render without output", {"render", Solved}, "usage"},
        BadCase{"scale 0", {"render", Solved, "o.png", "--scale", "0"}, "--scale"},
        BadCase{"scale a word", {"render", Solved, "o.png", "--scale", "abc"}, "--scale"},
        BadCase{"scale 17", {"render", Solved, "o.png", "--scale", "17"}, "--scale"},
        BadCase{"scale nan", {"render", Solved, "o.png", "--scale", "nan"}, "--scale"},
        BadCase{"zoom 0", {"render", Solved, "o.png", "--zoom", "0"}, "--zoom"},
        BadCase{"zoom a fraction", {"render", Solved, "o.png", "--zoom", "1.5"}, "--zoom"},
        BadCase{"palette tag 9 to render", {"render", Solved, "o.png", "--palette", "9"}, "TAG"},
        BadCase{"gamma without guide", {"render", Solved, "o.png", "--gamma", "2"}, "--guide"},
        BadCase{"no aa without guide", {"render", Solved, "o.png", "--no-aa"}, "--guide"},
        BadCase{"scale with guide", {"render", Solved, "o.png", "--guide", "--scale", "2"}, "--scale"},
        BadCase{"gamma a word", {"render", Solved, "o.png", "--guide", "--gamma", "x"}, "--gamma"},
        BadCase{"render a bad figure", {"render", "1,2", "o.png"}, "bad FIGURE"}),
    NamedByWhat());

// A document whose piece set does not read is the document's fault, not the
// figure's: the message says so, with the set's own reason, on one line.
TEST(Zoltool, BlamesADocumentsBrokenPieceSetNotTheFigure)
{
    QTemporaryDir folder;
    const auto write = [&](const char* name, const char* text) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    };
    write("bad.plt", "2.13\r\nbad\r\n1\r\n3,0,0,0,0,10,0,0,10\r\n0,0,0,1\r\nbad set\r\n0\r\n");
    write("doc.zol", "2.13\r\nbad\r\nfig\r\n0,0,0,1\r\n");
    const std::string doc = folder.filePath("doc.zol").toStdString();
    const Outcome run = Zoltool({"render", doc + ":0", folder.filePath("o.png").toStdString()});
    EXPECT_EQ(run.status, 2);
    ASSERT_EQ(Lines(run.err).size(), 1u) << run.err;
    EXPECT_EQ(run.err.find("bad FIGURE"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("cannot open " + doc + " or its piece set: "), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("the angle step is 0"), std::string::npos) << run.err;
}

TEST(Zoltool, UsageForNoArgumentsAndForHelp)
{
    const Outcome bare = Zoltool({});
    EXPECT_EQ(bare.status, 2);
    EXPECT_NE(bare.err.find("usage: zoltool"), std::string::npos);
    const Outcome help = Zoltool({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* command : {"polygons FIGURE", "palette TAG", "render FIGURE OUT.png"})
        EXPECT_NE(help.out.find(command), std::string::npos) << command;
    const Outcome renderHelp = Zoltool({"render", "--help"});
    EXPECT_EQ(renderHelp.status, 0);
    EXPECT_NE(renderHelp.out.find("--no-aa"), std::string::npos);

    // "help" is the word users try first.
    const Outcome helpWord = Zoltool({"help"});
    EXPECT_EQ(helpWord.status, 0);
    EXPECT_EQ(helpWord.out, help.out);
    const Outcome helpRender = Zoltool({"help", "render"});
    EXPECT_EQ(helpRender.status, 0);
    EXPECT_EQ(helpRender.out, renderHelp.out);
    const Outcome helpUnknown = Zoltool({"help", "frobnicate"});
    EXPECT_EQ(helpUnknown.status, 2);
    EXPECT_NE(helpUnknown.err.find("unknown command"), std::string::npos);
}

TEST(Zoltool, VersionPrintsTheProgramsVersion)
{
    const Outcome run = Zoltool({"--version"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "zoltool 2.13\n");
}

TEST(Zoltool, UnwritableOutputFailsWithStatus1)
{
    const Outcome run = Zoltool({"render", Solved, "/nonexistent-folder/out.png"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err,
              "zoltool: could not save the file /nonexistent-folder/out.png: No such file or directory\n");
}

TEST(Zoltool, NegativeNumbersAreOperandsNotOptions)
{
    const Outcome run = Zoltool({"polygons", "-" + Solved});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Lines(run.out)[0], "-232,176,-232,256,-152,176");
}

} // namespace

// The document commands reach the binary through the same table as the others.
TEST(Zoltool, DocumentCommandsAndDocumentFigures)
{
    const std::string document = std::string(FIXTURES_DIR) + "/square.zol";
    const Outcome info = Zoltool({"info", document});
    EXPECT_EQ(info.status, 0);
    EXPECT_EQ(Lines(info.out), (std::vector<std::string>{"set: square", "figures: 1", "encoding: CP932"}));

    const Outcome polygons = Zoltool({"polygons", document + ":0"});
    EXPECT_EQ(polygons.status, 0) << polygons.err;
    EXPECT_EQ(Lines(polygons.out), (std::vector<std::string>{"-20,-20,20,-20,20,20,-20,20"}));

    const Outcome missing = Zoltool({"polygons", document + ":1"});
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(Lines(missing.err).size(), 1u);

    QTemporaryDir folder;
    const std::string copy = folder.filePath("copy.zol").toStdString();
    EXPECT_EQ(Zoltool({"save-as", document, copy}).status, 0);
    QFile original(QString::fromStdString(document)), written(QString::fromStdString(copy));
    ASSERT_TRUE(original.open(QIODevice::ReadOnly) && written.open(QIODevice::ReadOnly));
    EXPECT_EQ(original.readAll(), written.readAll());

    EXPECT_EQ(Zoltool({"save-as", document + ".missing", copy}).status, 2);
}

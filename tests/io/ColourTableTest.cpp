#include "IoTestSupport.h"

#include "io/ColourTable.h"
#include "io/LineFile.h"
#include "io/TextCodec.h"

#include <QTemporaryDir>

using namespace zol;
using namespace zol::test;

namespace {

const std::string MissingMessage = "rgbdata.txtが見つからないか、またはファイルが空です。";

class ColourTableFile : public ::testing::Test {
protected:
    QString Write(const std::string& bytes)
    {
        const QString path = dir.filePath("rgbdata.txt");
        WriteFileAtomically(path, bytes);
        return path;
    }
    static std::string Cp932(const char* utf8) { return *EncodeText(QString::fromUtf8(utf8), TextEncoding::Cp932); }

    QTemporaryDir dir;
    ScriptedPrompter prompter;
};

TEST_F(ColourTableFile, ReadsNamesInCp932AndKeepsLowEightBits)
{
    const QString path =
        Write(Cp932("鴇色\r\n244,179,194\r\nwhite\r\n255,255,255,99,x\r\n過ぎ\r\n300,-1,256\r\nodd last line"));
    const TColors colours = ReadColourTable(path, prompter);
    ASSERT_EQ(colours.size(), 3u);
    EXPECT_EQ(colours[0].name, "鴇色");
    EXPECT_EQ(colours[0].rgb, (Rgb{244, 179, 194}));
    EXPECT_EQ(colours[1].name, "white");
    EXPECT_EQ(colours[1].rgb, (Rgb{255, 255, 255}));
    EXPECT_EQ(colours[1].hsv, (Hsv{0, 0, 255}));
    EXPECT_EQ(colours[2].rgb, (Rgb{44, 255, 0}));
    EXPECT_TRUE(prompter.informed.empty());
}

TEST_F(ColourTableFile, ReadsUtf8AndBareLineFeeds)
{
    const TColors colours = ReadColourTable(Write("\xEF\xBB\xBF空色\n160,216,239\n"), prompter);
    ASSERT_EQ(colours.size(), 1u);
    EXPECT_EQ(colours[0].name, "空色");
}

TEST_F(ColourTableFile, BadValuesAreReportedWithFileAndLineAndTheRestLoads)
{
    const QString path = Write("red\r\n255,0,0\r\nbad\r\n12,abc,3\r\nshort\r\n1,2\r\nhex\r\n0x10,0,0\r\nblue\r\n0,0,255\r\n");
    const TColors colours = ReadColourTable(path, prompter);
    ASSERT_EQ(colours.size(), 2u);
    EXPECT_EQ(colours[0].name, "red");
    EXPECT_EQ(colours[1].name, "blue");
    ASSERT_EQ(prompter.informed.size(), 1u);
    const QString message = QString::fromStdString(prompter.informed[0]);
    EXPECT_TRUE(message.contains(DisplayPath(path))) << prompter.informed[0];
    EXPECT_TRUE(message.contains("4 行目: 12,abc,3")) << prompter.informed[0];
    EXPECT_TRUE(message.contains("6 行目: 1,2")) << prompter.informed[0];
    EXPECT_TRUE(message.contains("8 行目: 0x10,0,0")) << prompter.informed[0];
}

TEST_F(ColourTableFile, ManyBadLinesMakeOneShortMessage)
{
    std::string text;
    for (int i = 0; i < 25; ++i)
        text += "n\r\nx\r\n";
    EXPECT_TRUE(ReadColourTable(Write(text), prompter).empty());
    ASSERT_EQ(prompter.informed.size(), 1u);
    EXPECT_NE(prompter.informed[0].find("ほか 15 行"), std::string::npos) << prompter.informed[0];
}

TEST_F(ColourTableFile, MissingOrEmptyFileWarnsAndGivesAnEmptyTable)
{
    const QString cases[] = {dir.filePath("absent.txt"), Write(""), Write("only a name\r\n")};
    for (const QString& path : cases) {
        prompter.warned.clear();
        EXPECT_TRUE(ReadColourTable(path, prompter).empty()) << path.toStdString();
        EXPECT_EQ(prompter.warned, std::vector<std::string>{MissingMessage}) << path.toStdString();
        EXPECT_TRUE(prompter.informed.empty());
    }
}

} // namespace

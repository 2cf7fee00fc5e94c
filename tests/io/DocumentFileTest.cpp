#include "io/DocumentFile.h"
#include "io/DocumentReadAhead.h"
#include "io/FileError.h"
#include "io/LineFile.h"
#include "io/TextCodec.h"
#include "model/CommaList.h"
#include "model/TangramModel.h"

#include "IoTestSupport.h"

#include <QRegularExpression>

using namespace zol;
using test::ScriptedPrompter;
using Lines = std::vector<std::string>;

namespace {

constexpr const char* NotFound = "指定されたファイルが見つかりませんでした。";
constexpr const char* OldWithoutSet = "未対応のバージョンのzolファイルか、またはpltファイルが見つかりませんでした。";
constexpr const char* OldQuestion =
    "Zol2.13よりも前に作られたzolファイルのようです。\n\nファイルを新しいバージョンの形式に書き換えますか？";
constexpr const char* SetNotFound = "あう～\n\n.pltファイルが見つからへんかったのん、\n\n堪忍したってな。";

std::string Cp932(const char* utf8)
{
    return EncodeText(QString::fromUtf8(utf8), TextEncoding::Cp932).value();
}

std::string Replaced(std::string text, const std::string& from, const std::string& to)
{
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

QStringList ShownLines(const TangramModel& model)
{
    QStringList text;
    for (std::string_view line : model.figureLines())
        text << DecodeText(line, model.documentEncoding());
    return text;
}

class DocumentFile : public test::ProgramFolderTest {
protected:
    bool Load(const QString& relative, ScriptedPrompter& prompter)
    {
        const QString path = Path(relative);
        return LoadDocument(model, path, QFileInfo(path).absolutePath(), prompter);
    }

    // Load, then Save As: the modified flag is raised so that it writes.
    std::string LoadAndSaveAs(const QString& relative)
    {
        ScriptedPrompter prompter;
        EXPECT_TRUE(Load(relative, prompter));
        model.setModified(true);
        EXPECT_TRUE(SaveDocument(model, Path("saved.zol")));
        return Read("saved.zol");
    }

    TangramModel model;
};

} // namespace

TEST_F(DocumentFile, SavesAnUnchangedDocumentBackByteForByte)
{
    struct Case {
        const char* fixture;
        TextEncoding encoding;
    } cases[] = {
        {"cp932.zol", TextEncoding::Cp932},
        {"utf8-bom.zol", TextEncoding::Utf8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fixture);
        WriteFixture(c.fixture, "doc.zol");
        EXPECT_EQ(LoadAndSaveAs("doc.zol"), test::Fixture(c.fixture));
        EXPECT_EQ(model.documentEncoding(), c.encoding);
    }
    // UTF-8 is written with its mark, so that it cannot read back as CP932.
    WriteFixture("utf8.zol", "doc.zol");
    EXPECT_EQ(LoadAndSaveAs("doc.zol"), "\xEF\xBB\xBF" + test::Fixture("utf8.zol"));
}

// Whatever the program saves opens again with exactly the text it showed.
// A file without a mark is taken for UTF-8 only when valid UTF-8 holds a
// character of three or more bytes; CP932 that would pass for it is saved as
// UTF-8 with its mark.
TEST_F(DocumentFile, ReopensWhatItSavesWithTheSameText)
{
    const std::string head = "2.13\r\ntan\r\n";
    const std::string placements = model.FormatPlacementLine() + "\r\n";
    struct Case {
        const char* what;
        std::string bytes;
        TextEncoding opensAs;
        const char* firstCaption;
    } cases[] = {
        {"half-width kana in CP932", head + "\xC4\xB3\r\n" + placements, TextEncoding::Cp932, "ﾄｳ"},
        {"CP932 with an unpaired caption that is not UTF-8", head + "\xC4\xB3\r\n" + placements + "\x82\r\n",
         TextEncoding::Cp932, "ﾄｳ"},
        {"UTF-8 without its mark", head + "猫\r\n" + placements + "きつね\r\n" + placements + "うさぎ\r\n" + placements,
         TextEncoding::Utf8, "猫"},
        {"CP932 that would pass for UTF-8 but for its unpaired caption",
         head + "\xE8\xA4\xB0\r\n" + placements + "\x82\r\n", TextEncoding::Cp932, "隍ｰ"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Write("doc.zol", c.bytes);
        ScriptedPrompter prompter;
        ASSERT_TRUE(Load("doc.zol", prompter));
        EXPECT_EQ(model.documentEncoding(), c.opensAs);
        EXPECT_EQ(DecodeText(model.GetFigureCaption(0), model.documentEncoding()), QString::fromUtf8(c.firstCaption));
        const QStringList shown = ShownLines(model);
        model.setModified(true);
        ASSERT_TRUE(SaveDocument(model, Path("saved.zol")));
        EXPECT_EQ(ShownLines(model), shown) << "the model after saving";

        TangramModel reopened;
        ASSERT_TRUE(LoadDocument(reopened, Path("saved.zol"), Path(""), prompter));
        EXPECT_EQ(ShownLines(reopened), shown);
        EXPECT_EQ(reopened.documentEncoding() == TextEncoding::Utf8, Read("saved.zol").starts_with("\xEF\xBB\xBF"));
    }
}

TEST_F(DocumentFile, KeepsCaptionsAsTheFileHoldsThem)
{
    WriteFixture("cp932.zol", "doc.zol");
    ScriptedPrompter prompter;
    ASSERT_TRUE(Load("doc.zol", prompter));
    EXPECT_EQ(model.figureCount(), 2);
    EXPECT_EQ(model.GetFigureCaption(0), Cp932("三角, 四角の家（ソ表）"));
    EXPECT_EQ(model.GetFigureCaption(1), Cp932("鶴"));
    EXPECT_EQ(model.ParseFigure(1).flip[0], -1.0);
    EXPECT_EQ(model.documentPath(), Path("doc.zol").toStdString());
    EXPECT_FALSE(model.modified());
    EXPECT_FALSE(model.setChanged());
    EXPECT_EQ(model.GetFigureCaption(-1), Cp932("名称未設定")) << "a fresh board after a load";
}

TEST_F(DocumentFile, ReadsAnyLineEndUpToANulAndWritesCrLf)
{
    const std::string crlf = test::Fixture("cp932.zol");
    for (const std::string& variant :
         {Replaced(crlf, "\r\n", "\r"), Replaced(crlf, "\r\n", "\n"), crlf + std::string("\0trailing junk\r\n", 16)}) {
        Write("doc.zol", variant);
        EXPECT_EQ(LoadAndSaveAs("doc.zol"), crlf);
    }
}

// Lines read from the file and lines the editor writes sit side by side in
// the list; edits next to a huge line, after every kind of line end in one
// file and a last line without its end, save as the lines now read.
TEST_F(DocumentFile, SavesEditsAmongLinesOfEveryShape)
{
    const std::string p = model.FormatPlacementLine();
    const std::string huge(1 << 20, '\x88');
    Write("doc.zol", "2.13\r\ntan\rcapA\n" + p + "\r\n" + huge + "\r" + p + "\ncapC\r\n" + p);
    ScriptedPrompter prompter;
    ASSERT_TRUE(Load("doc.zol", prompter));
    ASSERT_EQ(model.figureCount(), 3);
    const std::string added = model.FormatPlacementLine();
    model.RemoveFigure(0);
    model.SetFigureCaption(1, "capD");
    model.StoreFigure(1);
    ASSERT_TRUE(SaveDocument(model, Path("saved.zol")));
    EXPECT_EQ(Read("saved.zol"), "2.13\r\ntan\r\n" + huge + "\r\n" + p + "\r\n" + Cp932("名称未設定") + "\r\n" + added +
                                     "\r\ncapD\r\n" + p + "\r\n");
    EXPECT_EQ(model.GetFigureCaption(0), huge);
}

// A last caption without its placement line is no figure, but it is the
// file's: it is saved back, and stays last when figures are added.
TEST_F(DocumentFile, KeepsAnUnpairedLastCaption)
{
    const std::string file = test::Fixture("cp932.zol") + "unpaired\r\n";
    Write("doc.zol", file);
    EXPECT_EQ(LoadAndSaveAs("doc.zol"), file);
    EXPECT_EQ(model.figureCount(), 2);

    model.SetFigureCaption(-1, "added");
    model.StoreFigure(-1);
    ASSERT_TRUE(SaveDocument(model, Path("saved.zol")));
    EXPECT_EQ(Read("saved.zol"),
              test::Fixture("cp932.zol") + "added\r\n" + model.FormatPlacementLine() + "\r\nunpaired\r\n");
    EXPECT_EQ(model.GetFigureCaption(2), "added");
}

TEST_F(DocumentFile, AFileOfTheVersionAndSetNameAloneIsAnEmptyDocument)
{
    Write("doc.zol", "2.13\r\ntan\r\n");
    ScriptedPrompter prompter;
    EXPECT_TRUE(Load("doc.zol", prompter));
    EXPECT_EQ(model.figureLines(), Lines{"tan"});
    EXPECT_EQ(model.figureCount(), 0);
}

TEST_F(DocumentFile, AMissingFileChangesNothing)
{
    model.StoreFigure(-1);
    const Lines lines = model.figureLines();
    ScriptedPrompter prompter;
    EXPECT_FALSE(Load("nothing.zol", prompter));
    EXPECT_EQ(prompter.informed, Lines{NotFound});
    EXPECT_TRUE(model.loadFailed());
    EXPECT_EQ(model.figureLines(), lines);
    EXPECT_TRUE(model.modified());
    EXPECT_EQ(model.documentPath(), "新しいファイル");
}

TEST_F(DocumentFile, AFileThatCannotBeReadIsAFileErrorAndChangesNothing)
{
    QDir().mkpath(Path("folder.zol"));
    model.StoreFigure(-1);
    const Lines lines = model.figureLines();
    ScriptedPrompter prompter;
    EXPECT_THROW(Load("folder.zol", prompter), FileError);
    EXPECT_EQ(model.figureLines(), lines);
    EXPECT_EQ(model.documentPath(), "新しいファイル");
}

// The command line's document is read while the window is built; whatever
// the file, loading it gives what a plain load gives, and a file gone by the
// time of the load is reported missing.
TEST_F(DocumentFile, AReadAheadLoadsWhatAPlainLoadDoes)
{
    WriteFixture("cp932.zol", "doc.zol");
    QDir().mkpath(Path("folder.zol"));
    WriteFixture("cp932.zol", "gone.zol");
    const struct {
        const char* file;
        bool removedMeanwhile;
    } cases[] = {{"doc.zol", false}, {"folder.zol", false}, {"nothing.zol", false}, {"gone.zol", true}};
    model.StoreFigure(-1);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const auto outcome = [&](TangramModel& into, auto load) {
            ScriptedPrompter prompter;
            std::string result;
            try {
                result = load(into, prompter) ? "loaded" : "gave up";
            } catch (const FileError&) {
                result = "file error";
            }
            return std::tuple(result, prompter.informed, Lines(into.figureLines()), into.documentPath());
        };
        DocumentReadAhead ahead(Path(c.file));
        if (c.removedMeanwhile)
            QFile::remove(Path(c.file));
        TangramModel plain = model, early = model;
        const QString folder = Path("");
        EXPECT_EQ(outcome(early, [&](TangramModel& m, Prompter& p) { return ahead.LoadInto(m, folder, p); }),
                  outcome(plain, [&](TangramModel& m, Prompter& p) { return LoadDocument(m, Path(c.file), folder, p); }));
    }
}

TEST_F(DocumentFile, OpeningReplacesAChangedDocumentWithAnUnmodifiedOne)
{
    // The change was answered "No" (discard) before the open.
    Write("docs/tan.plt", Replaced(test::Fixture("square.plt"), "square", "tan"));
    WriteFixture("square.plt", "pltes/square.plt");
    struct Case {
        const char* fixture;
        std::deque<bool> answers;
    } cases[] = {
        {"cp932.zol", {}},
        {"square.zol", {}}, // another set
        {"old.zol", {false}}, // the version line declined
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fixture);
        model.StoreFigure(-1);
        ASSERT_TRUE(model.modified());
        WriteFixture(c.fixture, "docs/doc.zol");
        ScriptedPrompter prompter(c.answers);
        ASSERT_TRUE(Load("docs/doc.zol", prompter));
        EXPECT_FALSE(model.modified());
    }
}

TEST_F(DocumentFile, LoadsTheSetTheDocumentNames)
{
    WriteFixture("square.plt", "pltes/square.plt");
    WriteFixture("square.zol", "doc.zol");
    ScriptedPrompter prompter;
    ASSERT_TRUE(Load("doc.zol", prompter));
    EXPECT_TRUE(model.setChanged());
    EXPECT_EQ(model.pieceSet().name, "square");
    EXPECT_EQ(model.figureCount(), 1);
    EXPECT_EQ(model.ParseFigure(0).x[0], 0);

    ASSERT_TRUE(Load("doc.zol", prompter));
    EXPECT_FALSE(model.setChanged()) << "the set was already installed";
}

TEST_F(DocumentFile, OpensADocumentOfTheBuiltInSetAfterASwitch)
{
    WriteFixture("square.plt", "pltes/square.plt");
    WriteFixture("square.zol", "square.zol");
    WriteFixture("cp932.zol", "tan.zol");
    ScriptedPrompter prompter;
    ASSERT_TRUE(Load("square.zol", prompter));
    ASSERT_EQ(model.pieceSet().name, "square");

    EXPECT_TRUE(Load("tan.zol", prompter));
    EXPECT_TRUE(prompter.informed.empty());
    EXPECT_TRUE(model.setChanged());
    EXPECT_EQ(model.pieceSet().name, "tan");
    EXPECT_EQ(model.figureCount(), 2);
    EXPECT_EQ(model.documentPath(), Path("tan.zol").toStdString());
}

TEST_F(DocumentFile, GivesUpWhenItsSetCannotBeFound)
{
    struct Case {
        std::string text;
        const char* message;
    } cases[] = {
        {test::Fixture("square.zol"), SetNotFound},
        // An old document needs its set file beside it or among the program's sets.
        {test::Fixture("old.zol"), OldWithoutSet},
        // "2.12" is no version this program knows: it is taken for a set name.
        {"2.12\r\ntan\r\n", OldWithoutSet},
        {"", OldWithoutSet},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 20));
        model.StoreFigure(-1);
        Write("doc.zol", c.text);
        ScriptedPrompter prompter;
        EXPECT_FALSE(Load("doc.zol", prompter));
        EXPECT_EQ(prompter.informed, Lines{c.message});
        EXPECT_TRUE(model.loadFailed());
        EXPECT_EQ(model.pieceSet().name, "tan");
        EXPECT_EQ(model.figureLines(), Lines{"tan"});
        EXPECT_EQ(model.documentPath(), "新しいファイル");
        EXPECT_EQ(Read("doc.zol"), c.text);
    }
}

TEST_F(DocumentFile, OffersToAddTheVersionLineToAnOldDocument)
{
    const std::string old = test::Fixture("old.zol");
    for (bool yes : {true, false}) {
        SCOPED_TRACE(yes ? "Yes" : "No");
        Write("docs/tan.plt", Replaced(test::Fixture("square.plt"), "square", "tan"));
        WriteFixture("old.zol", "docs/old.zol");
        ScriptedPrompter prompter({yes});
        ASSERT_TRUE(Load("docs/old.zol", prompter));
        EXPECT_EQ(prompter.asked, Lines{OldQuestion});
        EXPECT_EQ(Read("docs/old.zol"), yes ? "2.13\r\n" + old : old);
        EXPECT_EQ(model.figureCount(), 1);
        EXPECT_EQ(model.GetFigureCaption(0), Cp932("古い図形"));
        EXPECT_FALSE(model.setChanged()) << "the document's set tan is the one installed";
    }
}

TEST_F(DocumentFile, ASetThatDoesNotParseLeavesTheDocumentAsItWas)
{
    Write("pltes/square.plt", Replaced(test::Fixture("square.plt"), "60,60,0,1", "60,60"));
    WriteFixture("square.zol", "doc.zol");
    model.StoreFigure(-1);
    const Lines lines = model.figureLines();
    ScriptedPrompter prompter;
    EXPECT_THROW(Load("doc.zol", prompter), ConversionError);
    EXPECT_EQ(model.pieceSet().name, "tan");
    EXPECT_EQ(model.figureLines(), lines);
    EXPECT_EQ(model.documentPath(), "新しいファイル");
}

TEST_F(DocumentFile, WritesOnlyAModifiedDocument)
{
    WriteFixture("cp932.zol", "doc.zol");
    ScriptedPrompter prompter;
    ASSERT_TRUE(Load("doc.zol", prompter));
    EXPECT_FALSE(SaveDocument(model, Path("copy.zol")));
    EXPECT_FALSE(Exists("copy.zol"));

    model.RemoveFigure(0);
    EXPECT_TRUE(SaveDocument(model, Path("copy.zol")));
    EXPECT_FALSE(model.modified());
    EXPECT_EQ(model.documentPath(), Path("copy.zol").toStdString());
    QFile::remove(Path("copy.zol"));
    EXPECT_FALSE(SaveDocument(model, Path("copy.zol"))) << "saving twice writes once";
    EXPECT_FALSE(Exists("copy.zol"));
}

TEST_F(DocumentFile, AFailedSaveKeepsTheOldFileAndTheModifiedMark)
{
    WriteFixture("cp932.zol", "doc.zol");
    Write("not-a-folder", "old");
    ScriptedPrompter prompter;
    ASSERT_TRUE(Load("doc.zol", prompter));
    model.RemoveFigure(0);
    {
        test::FileSizeLimit fullDisk;
        EXPECT_THROW(SaveDocument(model, Path("doc.zol")), FileError);
    }
    EXPECT_EQ(Read("doc.zol"), test::Fixture("cp932.zol"));
    EXPECT_TRUE(model.modified());

    EXPECT_THROW(SaveDocument(model, Path("not-a-folder/doc.zol")), FileError);
    EXPECT_TRUE(model.modified());
    EXPECT_EQ(model.documentPath(), Path("doc.zol").toStdString());
    EXPECT_EQ(Read("not-a-folder"), "old");
}

TEST_F(DocumentFile, ANewDocumentIsWrittenInCp932WithTheSetName)
{
    model.SetFigureCaption(-1, Cp932("表"));
    model.StoreFigure(-1);
    ASSERT_TRUE(SaveDocument(model, Path("new.zol")));
    const TextLines file = SplitLines(Read("new.zol"));
    ASSERT_EQ(file.lines.size(), 4u);
    EXPECT_EQ(file.lines[0], "2.13");
    EXPECT_EQ(file.lines[1], "tan");
    EXPECT_EQ(file.lines[2], "\x95\x5c");
    EXPECT_TRUE(QRegularExpression("^(-?\\d+,){27}-?\\d+$").match(QString::fromStdString(file.lines[3])).hasMatch());
    EXPECT_FALSE(file.bom);
}

#include "io/DocumentEncoding.h"
#include "io/DocumentFile.h"
#include "io/DocumentMerge.h"
#include "io/TextCodec.h"
#include "model/TangramModel.h"

#include "IoTestSupport.h"

using namespace zol;
using test::ScriptedPrompter;
using Lines = std::vector<std::string>;

namespace {

constexpr const char* WrongSet = "未対応のバージョンか、または異なるピースセットのファイルです。";
const std::string Placement = "204,204,0,1,296,190,0,1,256,216,0,1,230,256,0,1,196,276,0,1,308,256,0,1,256,308,0,1";

std::string Encoded(const char* utf8, TextEncoding encoding)
{
    return EncodeText(QString::fromUtf8(utf8), encoding).value();
}

class DocumentMerge : public test::ProgramFolderTest {
protected:
    // A CP932 document of two figures.
    DocumentMerge()
    {
        WriteFixture("cp932.zol", "doc.zol");
        ScriptedPrompter prompter;
        EXPECT_TRUE(LoadDocument(model, Path("doc.zol"), Path(""), prompter));
    }

    MergeOutcome Merge(const std::string& text, ScriptedPrompter& prompter)
    {
        return MergeDocument(model, Write("merged.zol", text), prompter);
    }

    TangramModel model;
};

} // namespace

TEST_F(DocumentMerge, AppendsTheFiguresOfADocumentOfTheSameSet)
{
    const std::string body = "a\r\n" + Placement + "\r\nb\r\n" + Placement + "\r\nunpaired\r\n";
    for (const std::string header : {"2.13\r\ntan\r\n", "tan\r\n"}) {
        SCOPED_TRACE(header);
        const Lines before = model.figureLines();
        ScriptedPrompter prompter;
        const MergeOutcome outcome = Merge(header + body, prompter);
        EXPECT_EQ(outcome.kind, MergeOutcome::Merged);
        EXPECT_EQ(outcome.first, static_cast<int>(before.size() - 1) / 2);
        EXPECT_EQ(outcome.count, 2);
        Lines expected = before;
        expected.insert(expected.end(), {"a", Placement, "b", Placement});
        EXPECT_EQ(model.figureLines(), expected);
        EXPECT_EQ(model.figureCount(), outcome.first + 2);
        EXPECT_TRUE(model.modified());
        EXPECT_TRUE(prompter.informed.empty());
    }
}

TEST_F(DocumentMerge, PutsMergedFiguresBeforeTheDocumentsUnpairedCaption)
{
    Write("doc.zol", test::Fixture("cp932.zol") + "unpaired\r\n");
    ScriptedPrompter prompter;
    ASSERT_TRUE(LoadDocument(model, Path("doc.zol"), Path(""), prompter));
    Lines expected = model.figureLines();
    ASSERT_EQ(expected.back(), "unpaired");
    Merge("2.13\r\ntan\r\na\r\n" + Placement + "\r\n", prompter);
    expected.insert(expected.end() - 1, {"a", Placement});
    EXPECT_EQ(model.figureLines(), expected);
    EXPECT_EQ(model.GetFigureCaption(2), "a");
}

TEST_F(DocumentMerge, RefusesOtherSetsAndVersionsAndIgnoresEmptyFiles)
{
    struct Case {
        std::string text;
        MergeOutcome::Kind kind;
    } cases[] = {
        {test::Fixture("square.zol"), MergeOutcome::WrongSetOrVersion},
        {"2.12\r\ntan\r\na\r\n" + Placement + "\r\n", MergeOutcome::WrongSetOrVersion},
        {"TAN\r\na\r\n" + Placement + "\r\n", MergeOutcome::WrongSetOrVersion},
        {"", MergeOutcome::WrongSetOrVersion},
        {"2.13\r\ntan\r\n", MergeOutcome::NothingToMerge},
        {"2.13\r\ntan\r\nlonely caption\r\n", MergeOutcome::NothingToMerge},
    };
    const Lines before = model.figureLines();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 20));
        ScriptedPrompter prompter;
        EXPECT_EQ(Merge(c.text, prompter).kind, c.kind);
        EXPECT_EQ(prompter.informed, c.kind == MergeOutcome::WrongSetOrVersion ? Lines{WrongSet} : Lines{});
        EXPECT_EQ(model.figureLines(), before);
        EXPECT_FALSE(model.modified());
    }
}

TEST_F(DocumentMerge, ConvertsMergedTextToTheDocumentsEncoding)
{
    ScriptedPrompter prompter;
    Merge("2.13\r\ntan\r\n" + Encoded("鶴と亀", TextEncoding::Utf8) + "\r\n" + Placement + "\r\n", prompter);
    EXPECT_EQ(model.documentEncoding(), TextEncoding::Cp932);
    EXPECT_EQ(model.GetFigureCaption(2), Encoded("鶴と亀", TextEncoding::Cp932));
}

// Text CP932 lacks, or would hold only as a look-alike (〜 as ～, ¥ as \).
class MergeTurnsTheDocumentToUtf8 : public DocumentMerge, public ::testing::WithParamInterface<const char*> {};

TEST_P(MergeTurnsTheDocumentToUtf8, ForTextCp932CannotHold)
{
    const char* caption = GetParam();
    model.LoadFigure(0);
    ScriptedPrompter prompter;
    Merge("\xEF\xBB\xBF" "2.13\r\ntan\r\n" + Encoded(caption, TextEncoding::Utf8) + "\r\n" + Placement + "\r\n",
          prompter);
    EXPECT_EQ(model.documentEncoding(), TextEncoding::Utf8);
    EXPECT_EQ(model.GetFigureCaption(0), Encoded("三角, 四角の家（ソ表）", TextEncoding::Utf8));
    EXPECT_EQ(model.GetFigureCaption(-1), Encoded("三角, 四角の家（ソ表）", TextEncoding::Utf8));
    EXPECT_EQ(model.GetFigureCaption(2), Encoded(caption, TextEncoding::Utf8));

    model.setModified(true);
    ASSERT_TRUE(SaveDocument(model, Path("saved.zol")));
    ScriptedPrompter reload;
    ASSERT_TRUE(LoadDocument(model, Path("saved.zol"), Path(""), reload));
    EXPECT_EQ(model.documentEncoding(), TextEncoding::Utf8);
    EXPECT_EQ(model.GetFigureCaption(2), Encoded(caption, TextEncoding::Utf8));
}

INSTANTIATE_TEST_SUITE_P(Captions, MergeTurnsTheDocumentToUtf8, ::testing::Values("猫🐈", "〜メモ", "¥100", "a—b"),
                         [](const auto& info) { return "Caption" + std::to_string(info.index); });

TEST_F(DocumentMerge, ACp932FileMergesIntoAUtf8Document)
{
    ASSERT_TRUE(ConvertDocumentEncoding(model, TextEncoding::Utf8));
    ScriptedPrompter prompter;
    Merge("tan\r\n" + Encoded("表", TextEncoding::Cp932) + "\r\n" + Placement + "\r\n", prompter);
    EXPECT_EQ(model.documentEncoding(), TextEncoding::Utf8);
    EXPECT_EQ(model.GetFigureCaption(2), "表");
}

TEST(DocumentEncoding, RefusesTextThatCannotBeConvertedWithoutLoss)
{
    TangramModel model;
    model.SetFigureCaption(-1, "\xE7\x8C\xAB\xF0\x9F\x90\x88"); // 猫🐈
    model.StoreFigure(-1);
    model.setDocumentEncoding(TextEncoding::Utf8);
    const Lines lines = model.figureLines();
    EXPECT_FALSE(ConvertDocumentEncoding(model, TextEncoding::Cp932));
    EXPECT_EQ(model.figureLines(), lines);
    EXPECT_EQ(model.documentEncoding(), TextEncoding::Utf8);
}

#include "cli/DocumentCommands.h"
#include "model/TangramModel.h"

#include "IoTestSupport.h"

#include <sstream>

using namespace zol;

namespace {

class DocumentCommands : public test::ProgramFolderTest {
protected:
    int Run(int (*command)(const std::vector<std::string>&, std::ostream&, std::ostream&),
            const std::vector<QString>& args)
    {
        std::vector<std::string> argv;
        for (const QString& arg : args)
            argv.push_back(Path(arg).toStdString());
        out.str({});
        err.str({});
        return command(argv, out, err);
    }

    std::ostringstream out;
    std::ostringstream err;
};

} // namespace

// A document with lines that do not parse fails with 1, its report unchanged.
TEST_F(DocumentCommands, InfoNamesTheSetCountAndEncodingAndEveryBadPlacementLine)
{
    WriteFixture("bad-lines.zol", "doc.zol");
    EXPECT_EQ(Run(InfoCommand, {"doc.zol"}), 1);
    EXPECT_EQ(out.str(), "set: tan\nfigures: 3\nencoding: CP932\n"
                         "line 4: 'x04' is not a valid integer value\n"
                         "line 8: '' is not a valid integer value\n");

    // Without the version line every line number is one less.
    Write("tan.plt", test::Fixture("square.plt"));
    Write("old.zol", test::Fixture("bad-lines.zol").substr(6));
    EXPECT_EQ(Run(InfoCommand, {"old.zol"}), 1);
    EXPECT_NE(out.str().find("line 3: 'x04'"), std::string::npos) << out.str();
    EXPECT_NE(err.str().find("-> No"), std::string::npos) << "the old-format question is answered No";

    WriteFixture("utf8.zol", "utf8.zol");
    EXPECT_EQ(Run(InfoCommand, {"utf8.zol"}), 0);
    EXPECT_EQ(out.str(), "set: tan\nfigures: 2\nencoding: UTF-8\n");
}

// A long document is read in shares on several threads; the report still
// lists every bad line once, in the file's order, each with its own reason.
TEST_F(DocumentCommands, InfoReportsTheBadLinesOfALongDocumentInOrder)
{
    const std::string good = "204,204,0,1,296,190,0,1,256,216,0,1,230,256,0,1,196,276,0,1,308,256,0,1,256,308,0,1";
    const int figures = 20011;
    std::string text = "2.13\r\ntan\r\n";
    std::string expected = "set: tan\nfigures: " + std::to_string(figures) + "\nencoding: CP932\n";
    for (int k = 0; k < figures; ++k) {
        text += "c\r\n";
        if (k % 997 == 0 || k == 10005 || k == figures - 1) {
            text += "204,x" + std::to_string(k) + ",0,1\r\n";
            expected += "line " + std::to_string(2 * k + 4) + ": 'x" + std::to_string(k) +
                        "' is not a valid integer value\n";
        } else {
            text += good + "\r\n";
        }
    }
    Write("long.zol", text);
    EXPECT_EQ(Run(InfoCommand, {"long.zol"}), 1);
    EXPECT_EQ(out.str(), expected);
}

TEST_F(DocumentCommands, InfoFailsOnAMissingDocument)
{
    EXPECT_EQ(Run(InfoCommand, {"missing.zol"}), 2);
    EXPECT_EQ(err.str(), "指定されたファイルが見つかりませんでした。\n");
    EXPECT_EQ(Run(InfoCommand, {}), 2);
}

TEST_F(DocumentCommands, SaveAsWritesTheDocumentBack)
{
    WriteFixture("cp932.zol", "in.zol");
    EXPECT_EQ(Run(SaveAsCommand, {"in.zol", "out.zol"}), 0);
    EXPECT_EQ(Read("out.zol"), test::Fixture("cp932.zol"));

    // An old document is written with its version line; the original stays.
    WriteFixture("old.zol", "old.zol");
    Write("tan.plt", test::Fixture("square.plt"));
    EXPECT_EQ(Run(SaveAsCommand, {"old.zol", "new.zol"}), 0);
    EXPECT_EQ(Read("new.zol"), "2.13\r\n" + test::Fixture("old.zol"));
    EXPECT_EQ(Read("old.zol"), test::Fixture("old.zol"));
}

TEST_F(DocumentCommands, SaveAsFailsWhenItCannotReadOrWrite)
{
    WriteFixture("cp932.zol", "in.zol");
    EXPECT_EQ(Run(SaveAsCommand, {"missing.zol", "out.zol"}), 2);
    EXPECT_FALSE(Exists("out.zol"));
    EXPECT_EQ(Run(SaveAsCommand, {"in.zol", "in.zol/out.zol"}), 2);
    EXPECT_NE(err.str().find("could not save the file"), std::string::npos) << err.str();
    EXPECT_EQ(Run(SaveAsCommand, {"in.zol"}), 2);
}

TEST(DocumentFigureArgument, NamesAFigureOfADocumentCountedFromZero)
{
    struct Case {
        std::string argument;
        std::optional<std::string> path;
        int index;
    } cases[] = {
        {"doc.zol:0", "doc.zol", 0},
        {"dir/a:b.zol:12", "dir/a:b.zol", 12},
        {"doc.zol:99999999999", "doc.zol", INT_MAX},
        {"doc.zol", std::nullopt, 0},
        {"doc.zol:", std::nullopt, 0},
        {":3", std::nullopt, 0},
        {"doc.zol:-1", std::nullopt, 0},
        {"204,204,0,1,296,190,0,1", std::nullopt, 0},
    };
    for (const Case& c : cases) {
        const auto figure = ParseDocumentFigure(c.argument);
        EXPECT_EQ(figure.has_value(), c.path.has_value()) << c.argument;
        if (figure && c.path) {
            EXPECT_EQ(figure->path, *c.path);
            EXPECT_EQ(figure->index, c.index);
        }
    }
}

TEST_F(DocumentCommands, LoadsTheNamedFigureWithItsSet)
{
    WriteFixture("square.plt", "pltes/square.plt");
    Write("doc.zol", test::Fixture("square.zol") + "two\r\n5,6,90,-1\r\n");
    const std::string path = Path("doc.zol").toStdString();
    TangramModel model;
    std::ostringstream errors;
    ASSERT_EQ(LoadDocumentFigure({path, 1}, model, errors), FigureLoad::Loaded) << errors.str();
    EXPECT_EQ(model.pieceSet().name, "square");
    EXPECT_EQ(model.GetFigureCaption(-1), "two");
    EXPECT_EQ(model.currentFigure().x[0], 5);
    EXPECT_EQ(model.currentFigure().angle[0], 90);

    EXPECT_EQ(LoadDocumentFigure({path, 2}, model, errors), FigureLoad::FigureFailed);
    EXPECT_NE(errors.str().find("has no figure 2"), std::string::npos) << errors.str();
}

// zoltool svg and tikz: a folder of SVG files for a document, one file for a
// FIGURE, TikZ code in one file, and a clear one-line message for each way
// the arguments or the files can be wrong.
#include "ZoltoolProcess.h"

#include "io/LineFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace zol {
namespace {

std::string Read(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll().toStdString();
}

class VectorCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(QFile::copy(SAMPLE_DOCUMENT, document));
        WriteFileAtomically(empty, "2.13\r\ntan\r\n");
    }
    // The words with DOC (also in DOC:K), EMPTY, OUT and NOWHERE put in.
    std::vector<std::string> Words(const std::vector<std::string>& words) const
    {
        std::vector<std::string> result;
        for (const std::string& w : words)
            result.push_back(w.rfind("DOC:", 0) == 0 ? document.toStdString() + w.substr(3)
                             : w == "DOC"       ? document.toStdString()
                             : w == "EMPTY"   ? empty.toStdString()
                             : w == "OUT"     ? out.toStdString()
                             : w == "NOWHERE" ? dir.filePath("no/such/out").toStdString()
                                              : w);
        return result;
    }
    QTemporaryDir dir;
    QString document = dir.filePath("sample.zol");
    QString empty = dir.filePath("empty.zol");
    QString out = dir.filePath("out");
};

TEST_F(VectorCommands, SvgOfADocumentWritesAFolderOfFilesAndPrintsTheirPaths)
{
    const Outcome outcome = Zoltool(Words({"svg", "DOC", "OUT", "--palette", "2", "--seed", "4", "--scale", "2"}));
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    const std::vector<std::string> paths = Lines(outcome.out);
    ASSERT_EQ(paths.size(), 14u) << "the sample holds 14 figures";
    EXPECT_EQ(paths.front(), QDir(out).filePath(QStringLiteral("01-猫.svg")).toStdString());
    EXPECT_EQ(paths.back(), QDir(out).filePath(QStringLiteral("14-長ぐつ.svg")).toStdString());
    EXPECT_EQ(QDir(out).entryList(QDir::Files).size(), 14);
    const std::string svg = Read(QString::fromStdString(paths[1]));
    EXPECT_NE(svg.find("<title>きつね</title>"), std::string::npos) << svg;
    EXPECT_NE(svg.find("<polygon"), std::string::npos);
}

TEST_F(VectorCommands, SvgOfOneFigureWritesOneFile)
{
    const QString file = dir.filePath("fox.svg");
    const Outcome outcome = Zoltool(Words({"svg", "DOC:1", file.toStdString(), "--silhouette"}));
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(Lines(outcome.out), std::vector<std::string>{file.toStdString()});
    const std::string svg = Read(file);
    EXPECT_NE(svg.find("<path"), std::string::npos);
    EXPECT_EQ(svg.find("<polygon"), std::string::npos) << "the silhouette shows no pieces";

    const QString line = dir.filePath("line.svg");
    const Outcome placement = Zoltool(
        {"svg", "0,0,0,1,0,0,0,1,0,0,0,1,0,0,0,1,0,0,0,1,0,0,0,1,0,0,0,1", line.toStdString()});
    ASSERT_EQ(placement.status, 0) << placement.err;
    EXPECT_TRUE(QFileInfo(line).isFile());
}

TEST_F(VectorCommands, TikzWritesEveryFigureIntoOneFileAndAStandaloneDocumentOnRequest)
{
    const QString tex = dir.filePath("figures.tex");
    const Outcome plain = Zoltool(Words({"tikz", "DOC", tex.toStdString()}));
    ASSERT_EQ(plain.status, 0) << plain.err;
    EXPECT_EQ(Lines(plain.out), std::vector<std::string>{tex.toStdString()});
    std::string text = Read(tex);
    size_t pictures = 0;
    for (size_t at = 0; (at = text.find("\\begin{tikzpicture}", at)) != std::string::npos; ++at)
        ++pictures;
    EXPECT_EQ(pictures, 14u);
    EXPECT_EQ(text.rfind("\\documentclass", 0), std::string::npos);
    EXPECT_NE(text.find("% 2: きつね\n"), std::string::npos);

    const Outcome standalone = Zoltool(Words({"tikz", "DOC:3", tex.toStdString(), "--standalone", "--silhouette"}));
    ASSERT_EQ(standalone.status, 0) << standalone.err;
    text = Read(tex);
    EXPECT_EQ(text.rfind("\\documentclass{article}\n", 0), 0u);
    EXPECT_NE(text.find("\\end{document}\n"), std::string::npos);
    EXPECT_NE(text.find("zolsilhouette"), std::string::npos);
}

struct BadCase {
    const char* name;
    std::vector<std::string> words;
    int status;
    const char* message; // part of the one line on stderr
};

void PrintTo(const BadCase& c, std::ostream* os) { *os << c.name; }

class VectorCommandErrors : public VectorCommands, public ::testing::WithParamInterface<BadCase> {};

TEST_P(VectorCommandErrors, SayWhatIsWrongOnOneLineAndWriteNothing)
{
    const Outcome outcome = Zoltool(Words(GetParam().words));
    EXPECT_EQ(outcome.status, GetParam().status) << outcome.err;
    ASSERT_EQ(Lines(outcome.err).size(), 1u) << outcome.err;
    EXPECT_NE(outcome.err.find(GetParam().message), std::string::npos) << outcome.err;
    EXPECT_FALSE(QFileInfo::exists(out));
    EXPECT_TRUE(outcome.out.empty()) << outcome.out;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, VectorCommandErrors,
    ::testing::Values(
        BadCase{"ScaleZero", {"svg", "DOC", "OUT", "--scale", "0"}, 2, "--scale must lie above 0 and at most 100"},
        BadCase{"ScaleTooLarge", {"tikz", "DOC", "OUT", "--scale", "1e9"}, 2, "--scale must lie above 0"},
        BadCase{"ScaleNotANumber", {"svg", "DOC", "OUT", "--scale", "big"}, 2, "--scale must be a number"},
        BadCase{"UnknownPalette", {"svg", "DOC", "OUT", "--palette", "9"}, 2, "TAG must lie in 0..6, not 9"},
        BadCase{"BadPaletteBeforeAMissingDocument", {"tikz", "/no/such.zol", "OUT", "--palette", "x"}, 2, "TAG"},
        BadCase{"BadFigure", {"svg", "1,2,3", "OUT"}, 2, "bad FIGURE"},
        BadCase{"FigureBeyondTheList", {"tikz", "DOC:99", "OUT"}, 2, "bad FIGURE"},
        BadCase{"StandaloneIsForTikz", {"svg", "DOC", "OUT", "--standalone"}, 2, "svg has no option --standalone"},
        BadCase{"MissingDocument", {"svg", "/no/such.zol", "OUT"}, 1, "/no/such.zol"},
        BadCase{"EmptyDocument", {"svg", "EMPTY", "OUT"}, 1, "the document has no figures"},
        BadCase{"EmptyDocumentTikz", {"tikz", "EMPTY", "OUT"}, 1, "the document has no figures"},
        BadCase{"FolderInNoFolder", {"svg", "DOC", "NOWHERE"}, 1, "no/such/out"},
        BadCase{"FileInNoFolder", {"svg", "DOC:0", "NOWHERE"}, 1, "could not save the file"},
        BadCase{"TikzInNoFolder", {"tikz", "DOC", "NOWHERE"}, 1, "could not save the file"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace zol

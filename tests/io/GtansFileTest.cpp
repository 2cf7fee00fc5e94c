// gTans collection files: what is read, what is written, and the line and
// reason of every malformed file.
#include "io/FileError.h"
#include "io/GtansFile.h"
#include "io/LineFile.h"
#include "model/CommaList.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <gtest/gtest.h>

namespace zol {
namespace {

const std::string Pieces = "p 0 0 1 1 0\np 0 0 2 1 0\np 1 0 3 1 0\np 2 0 1 2 0\n"
                           "p 3 1 2 2 8192\np 4 0 3 2 0\np 4 0 1 3 0\n";

TEST(GtansFile, ReadsPiecesAndLeadNumbers)
{
    const GtansCollection figures = ParseGtans("gTans v1.0 1 \r\n1.0 2.5e-1 1024 \r\n" + Pieces);
    ASSERT_EQ(figures.size(), 1u);
    EXPECT_EQ(figures[0].lead1, 1.0);
    EXPECT_EQ(figures[0].lead2, 0.25);
    EXPECT_EQ(figures[0].lead3, 1024);
    ASSERT_EQ(figures[0].pieces.size(), 7u);
    EXPECT_EQ(figures[0].pieces[4], (GtansPiece{GtansParallelogram, 1, 2.0, 2.0, 8192}));
}

TEST(GtansFile, BringsRotationsIntoOneTurn)
{
    for (const auto& [written, read] : {std::pair{65536, 0}, {-2048, 63488}, {131072 + 5, 5}}) {
        std::string text = Pieces;
        text.replace(text.find("p 0 0 1 1 0"), 11, "p 0 0 1 1 " + std::to_string(written));
        EXPECT_EQ(ParseGtans("gTans v1.0 1\n1 1 1024\n" + text)[0].pieces[0].rotation, read) << written;
    }
}

TEST(GtansFile, WritesWhatItReadsBack)
{
    GtansFigure figure;
    figure.pieces = {{0, 0, 3.3333333, -0.5, 0},      {0, 0, 4.6666667, 3.3333333, 16384}, {1, 0, 1e-7, 4.9, 24576},
                     {2, 0, 4.0, 5.0, 0},             {3, 1, 3.3535534, 4.9393398, 8192},  {4, 0, 999.5, 4.6, 32768},
                     {4, 0, 5.0, 4.3333333, 65535}};
    const std::string text = FormatGtans({figure, figure});
    EXPECT_EQ(text.substr(0, text.find("p 1")), "gTans v1.0 2\n"
                                                "1.000000e+00 1.000000e+00 1024 \n"
                                                "p 0 0 3.333333e+00 -5.000000e-01 0 \n"
                                                "p 0 0 4.666667e+00 3.333333e+00 16384 \n");
    const GtansCollection back = ParseGtans(text);
    ASSERT_EQ(back.size(), 2u);
    for (size_t i = 0; i < figure.pieces.size(); ++i) {
        EXPECT_EQ(back[1].pieces[i].type, figure.pieces[i].type);
        EXPECT_EQ(back[1].pieces[i].rotation, figure.pieces[i].rotation);
        EXPECT_NEAR(back[1].pieces[i].x, figure.pieces[i].x, 1e-6 * std::max(1.0, figure.pieces[i].x));
        EXPECT_NEAR(back[1].pieces[i].y, figure.pieces[i].y, 1e-6);
    }
}

struct Malformed {
    const char* name;
    std::string text;
    MessageId id;
    int line;
};

std::string Figure(const std::string& pieces = Pieces) { return "1 1 1024\n" + pieces + "\n"; }

std::string Replaced(std::string text, const std::string& from, const std::string& to)
{
    return text.replace(text.find(from), from.size(), to);
}

class GtansMalformed : public ::testing::TestWithParam<Malformed> {};

TEST_P(GtansMalformed, NamesTheLineAndTheReason)
{
    try {
        ParseGtans(GetParam().text);
        FAIL() << "read without complaint";
    } catch (const ConversionError& e) {
        EXPECT_EQ(e.message().id, GetParam().id) << e.what();
        ASSERT_FALSE(e.message().args.empty());
        EXPECT_EQ(e.message().args[0], std::to_string(GetParam().line)) << e.what();
        EXPECT_EQ(std::string(e.what()).rfind("line " + std::to_string(GetParam().line) + ": ", 0), 0u) << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, GtansMalformed,
    ::testing::Values(
        Malformed{"Empty", "", MessageId::GtansHeader, 1},
        Malformed{"OtherProgram", "Zol editor\ntan\n", MessageId::GtansHeader, 1},
        Malformed{"OtherVersion", "gTans v2.0 1\n" + Figure(), MessageId::GtansHeader, 1},
        Malformed{"NegativeCount", "gTans v1.0 -1\n", MessageId::GtansHeader, 1},
        Malformed{"CountOverTheLimit", "gTans v1.0 100001\n" + Figure(), MessageId::GtansCountLimit, 1},
        Malformed{"HugeCount", "gTans v1.0 99999999999\n", MessageId::GtansCountLimit, 1},
        Malformed{"CountBeyondAnyInteger", "gTans v1.0 99999999999999999999999\n", MessageId::GtansCountLimit, 1},
        Malformed{"ByteOrderMark", "\xEF\xBB\xBFgTans v1.0 1\n" + Figure(), MessageId::GtansByteOrderMark, 1},
        Malformed{"LeadNotNumbers", "gTans v1.0 1\n\n1 x 1024\n" + Pieces, MessageId::GtansFigureLine, 3},
        Malformed{"PieceLineShort", "gTans v1.0 1\n" + Figure(Replaced(Pieces, "p 2 0 1 2 0", "p 2 0 1 2")),
                  MessageId::GtansPieceLine, 6},
        Malformed{"PieceNotANumber", "gTans v1.0 1\n" + Figure(Replaced(Pieces, "p 2 0 1 2 0", "p 2 0 1 nan 0")),
                  MessageId::GtansPieceLine, 6},
        Malformed{"PieceWord", "gTans v1.0 1\n" + Figure(Replaced(Pieces, "p 2 0 1 2 0", "q 2 0 1 2 0")),
                  MessageId::GtansPieceLine, 6},
        Malformed{"TypeBeyondFour", "gTans v1.0 1\n" + Figure(Replaced(Pieces, "p 2 0", "p 5 0")),
                  MessageId::GtansPieceValue, 6},
        Malformed{"FlipTwo", "gTans v1.0 1\n" + Figure(Replaced(Pieces, "p 2 0", "p 2 2")),
                  MessageId::GtansPieceValue, 6},
        Malformed{"FlipMinusOne", "gTans v1.0 1\n" + Figure(Replaced(Pieces, "p 2 0", "p 2 -1")),
                  MessageId::GtansPieceValue, 6},
        Malformed{"FarAway", "gTans v1.0 1\n" + Figure(Replaced(Pieces, "p 2 0 1 2", "p 2 0 1 2e9")),
                  MessageId::GtansPieceValue, 6},
        Malformed{"ThreeSquares", "gTans v1.0 1\n" + Figure(Replaced(Pieces, "p 0 0 1 1 0\np 0 0", "p 2 0 1 1 0\np 2 0")),
                  MessageId::GtansPieceKinds, 2},
        Malformed{"FigureCutShort", "gTans v1.0 1\n1 1 1024\np 0 0 1 1 0\n", MessageId::GtansPieceLine, 3},
        Malformed{"FewerThanAnnounced", "gTans v1.0 3\n" + Figure() + Figure(), MessageId::GtansEndsEarly, 19},
        Malformed{"MoreThanAnnounced", "gTans v1.0 1\n" + Figure() + Figure(), MessageId::GtansTooMany, 11}),
    [](const ::testing::TestParamInfo<Malformed>& info) { return std::string(info.param.name); });

TEST(GtansFile, UnreadableAndUnwritablePathsThrowFileError)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    EXPECT_THROW(GtansWriter(dir.filePath("no-folder/out.figures"), 0), FileError);
    EXPECT_THROW(ReadGtansFile(dir.filePath("missing.figures")), FileError);
}

long PeakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// A refused first line is refused before the rest is read: behind it lie
// 1 GB (a sparse file, no disk), and the reader's peak stays far below.
TEST(GtansFile, RefusesAFirstLineBeforeReadingTheRest)
{
    QTemporaryDir dir;
    for (const auto& [head, id] : {std::pair{"gTans v1.0 100001\n", MessageId::GtansCountLimit},
                                   {"\xEF\xBB\xBFgTans v1.0 1\n", MessageId::GtansByteOrderMark},
                                   {"Zol editor\n", MessageId::GtansHeader}}) {
        const QString path = dir.filePath("large.figures");
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(head);
        ASSERT_TRUE(file.resize(qint64{1} << 30));
        file.close();
        const long before = PeakKilobytes();
        try {
            ReadGtansFile(path);
            ADD_FAILURE() << head << " was read";
        } catch (const ConversionError& e) {
            EXPECT_EQ(e.message().id, id) << e.what();
        }
        EXPECT_LT(PeakKilobytes() - before, 64 * 1024) << head;
    }
}

// The first line is checked on the file's first 4 KB: one cut at their end
// behind blank lines, or beyond them, is read in full.
TEST(GtansFile, ReadsAFirstLineThatLiesBeyondTheFirstBytes)
{
    QTemporaryDir dir;
    for (const std::string& lead : {std::string(4000, ' '), std::string(4090, '\n'), std::string(5000, '\n')}) {
        WriteFileAtomically(dir.filePath("lead.figures"), lead + "gTans v1.0 1\n" + Figure());
        EXPECT_EQ(ReadGtansFile(dir.filePath("lead.figures")).size(), 1u) << lead.size();
    }
}

// Export and import share one limit: a collection the reader takes (its
// count line at the limit) may be written; one more is refused before a
// file is made, and an old file stays whole.
TEST(GtansFile, WriterAndReaderAgreeOnTheLimit)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("out.figures");
    WriteFileAtomically(path, "old");
    try {
        GtansWriter writer(path, GtansMaxFigures + 1);
        FAIL() << "a writer over the limit was made";
    } catch (const ConversionError& e) {
        EXPECT_EQ(e.message().id, MessageId::GtansTooLarge);
        EXPECT_EQ(std::string(e.what()), "the document has 100001 figures; a gTans collection holds at most 100000");
    }
    EXPECT_EQ(ReadFileBytes(path), "old");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"out.figures"}) << "no temporary left";
    EXPECT_FALSE(GtansCountRefusal(GtansMaxFigures));
    try {
        ParseGtans("gTans v1.0 " + std::to_string(GtansMaxFigures) + "\n" + Figure());
    } catch (const ConversionError& e) {
        EXPECT_EQ(e.message().id, MessageId::GtansEndsEarly) << "the count line at the limit reads";
    }
}

// Figures go out as they are added, and the file is the one FormatGtans
// makes; a writer dropped before Commit leaves the old file.
TEST(GtansFile, WriterStreamsTheFormattedCollection)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("out.figures");
    const GtansCollection figures = ParseGtans("gTans v1.0 2\n" + Figure() + Figure());
    {
        GtansWriter dropped(path, 2);
        dropped.Add(figures[0]);
    }
    EXPECT_FALSE(QFileInfo::exists(path));
    GtansWriter writer(path, 2);
    for (const GtansFigure& figure : figures)
        writer.Add(figure);
    writer.Commit();
    EXPECT_EQ(ReadFileBytes(path), FormatGtans(figures));
}

} // namespace
} // namespace zol

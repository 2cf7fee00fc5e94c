// zoltool sheets: the PDF of puzzle sheets, its pages, and a clear one-line
// message for each way the arguments or the files can be wrong.
#include "ZoltoolProcess.h"

#include "io/LineFile.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace zol {
namespace {

class SheetsCommand : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        document = dir.filePath("sample.zol");
        ASSERT_TRUE(QFile::copy(SAMPLE_DOCUMENT, document));
        WriteFileAtomically(empty, "2.13\r\ntan\r\n");
    }
    // Pages of the PDF as poppler counts them.
    int Pages(const QString& pdf)
    {
        QProcess info;
        info.start("pdfinfo", {pdf});
        EXPECT_TRUE(info.waitForFinished(30000));
        const QRegularExpressionMatch m =
            QRegularExpression("^Pages:\\s+(\\d+)$", QRegularExpression::MultilineOption)
                .match(QString::fromUtf8(info.readAllStandardOutput()));
        return m.hasMatch() ? m.captured(1).toInt() : -1;
    }
    QTemporaryDir dir;
    QString document;
    QString empty = dir.filePath("empty.zol");
    QString out = dir.filePath("out.pdf");
};

TEST_F(SheetsCommand, WritesFourFiguresAPageUnlessToldAndPrintsThePath)
{
    // The sample holds 14 figures.
    const Outcome plain = Zoltool({"sheets", document.toStdString(), out.toStdString()});
    ASSERT_EQ(plain.status, 0) << plain.err;
    EXPECT_EQ(Lines(plain.out), std::vector<std::string>{out.toStdString()});
    EXPECT_EQ(Pages(out), 4);

    const Outcome solved = Zoltool({"sheets", document.toStdString(), out.toStdString(), "--per-page", "6",
                                    "--solutions", "--palette", "2", "--seed", "5"});
    ASSERT_EQ(solved.status, 0) << solved.err;
    EXPECT_EQ(Pages(out), 6) << "three pages of puzzles, each followed by its solutions";
}

struct BadCase {
    const char* name;
    std::vector<std::string> words; // DOC the sample, EMPTY a document without figures,
                                    // OUT a file in the folder, NOWHERE one in no folder
    int status;
    const char* message; // part of the one line on stderr
};

class SheetsCommandErrors : public SheetsCommand, public ::testing::WithParamInterface<BadCase> {};

TEST_P(SheetsCommandErrors, SayWhatIsWrongOnOneLineAndWriteNothing)
{
    std::vector<std::string> words{"sheets"};
    for (const std::string& w : GetParam().words)
        words.push_back(w == "DOC"       ? document.toStdString()
                        : w == "EMPTY"   ? empty.toStdString()
                        : w == "OUT"     ? out.toStdString()
                        : w == "NOWHERE" ? dir.filePath("no/such/out.pdf").toStdString()
                                         : w);
    const Outcome outcome = Zoltool(words);
    EXPECT_EQ(outcome.status, GetParam().status) << outcome.err;
    ASSERT_EQ(Lines(outcome.err).size(), 1u) << outcome.err;
    EXPECT_NE(outcome.err.find(GetParam().message), std::string::npos) << outcome.err;
    EXPECT_FALSE(QFileInfo::exists(out));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SheetsCommandErrors,
    ::testing::Values(
        BadCase{"PerPage3", {"DOC", "OUT", "--per-page", "3"}, 2, "--per-page must be 1, 2, 4 or 6, not '3'"},
        BadCase{"PerPageNotANumber", {"DOC", "OUT", "--per-page", "all"}, 2, "--per-page must be 1, 2, 4 or 6"},
        BadCase{"UnknownPalette", {"DOC", "OUT", "--palette", "9"}, 2, "TAG must lie in 0..6, not 9"},
        BadCase{"PaletteNotANumber", {"DOC", "OUT", "--solutions", "--palette", "red"}, 2, "TAG must be an integer"},
        BadCase{"BadPaletteBeforeAMissingDocument", {"/no/such.zol", "OUT", "--palette", "9"}, 2, "TAG"},
        BadCase{"UnwritableOutput", {"DOC", "NOWHERE"}, 1, "could not save the file"},
        BadCase{"EmptyDocument", {"EMPTY", "OUT"}, 1, "has no figures to print"},
        BadCase{"MissingDocument", {"/no/such.zol", "OUT"}, 1, "/no/such.zol"},
        BadCase{"MissingOutput", {"DOC"}, 2, "sheets"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace zol

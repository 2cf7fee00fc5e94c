// zoltool keys, sort and catalogue: the editor's export code on documents.
#include "ZoltoolProcess.h"

#include "export/FigureSort.h"
#include "io/AppPaths.h"
#include "io/DocumentFile.h"
#include "io/LineFile.h"
#include "model/TangramModel.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace zol {
namespace {

struct Quiet : Prompter {
    void Inform(const std::string&) override {}
    bool Confirm(const std::string&) override { return false; }
};

class ExportCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        document = dir.filePath("sample.zol");
        ASSERT_TRUE(QFile::copy(SAMPLE_DOCUMENT, document));
        // The piece sets zoltool finds beside itself.
        SetProgramFolder(QFileInfo(ZOLTOOL_PATH).absolutePath());
    }
    void TearDown() override { SetProgramFolder({}); }
    // The document as zoltool loads it: white pieces on black.
    void Load(TangramModel& model, const QString& path)
    {
        Quiet quiet;
        ASSERT_TRUE(LoadDocument(model, path, QFileInfo(path).absolutePath(), quiet));
        model.SetPalette(0x000000, 255, 0, 255, 0, 0, 0);
    }
    std::string Path(const QString& p) const { return p.toStdString(); }
    QTemporaryDir dir;
    QString document;
};

TEST_F(ExportCommands, KeysPrintsTheNuanceKeyOfEachFigure)
{
    for (const int level : {0, 4}) {
        const Outcome keys = Zoltool({"keys", Path(document), std::to_string(level), "--zoom", "150"});
        ASSERT_EQ(keys.status, 0) << keys.err;
        TangramModel model;
        Load(model, document);
        model.setZoomPercent(150);
        NoProgress none;
        std::vector<std::string> expected;
        for (const int key : NuanceKeys(model, level, none))
            expected.push_back(std::to_string(key));
        EXPECT_EQ(Lines(keys.out), expected) << "level " << level;
    }
}

TEST_F(ExportCommands, SortWritesTheDocumentInTheEditorsOrder)
{
    for (const std::string by : {"caption", "nuance2"}) {
        const QString out = dir.filePath(QString::fromStdString(by) + ".zol");
        const Outcome sorted = Zoltool({"sort", Path(document), by, Path(out)});
        ASSERT_EQ(sorted.status, 0) << sorted.err;
        TangramModel expected;
        Load(expected, document);
        NoProgress none;
        if (by == "caption")
            SortByCaption(expected, -1, none);
        else
            SortByNuance(expected, 2, -1, none);
        TangramModel written;
        Load(written, out);
        EXPECT_EQ(written.figureLines(), expected.figureLines()) << by;
    }
}

TEST_F(ExportCommands, CatalogueWritesBesideTheDocumentAndPrintsThePaths)
{
    const Outcome written = Zoltool({"catalogue", Path(document), "--palette", "2", "--seed", "3", "--no-aa"});
    ASSERT_EQ(written.status, 0) << written.err;
    const std::vector<std::string> lines = Lines(written.out);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], Path(dir.filePath("sample.htm")));
    const std::string page = ReadFileBytes(dir.filePath("sample.htm"));
    for (size_t i = 1; i < lines.size(); ++i) {
        EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(lines[i]))) << lines[i];
        const std::string name = QFileInfo(QString::fromStdString(lines[i])).fileName().toStdString();
        EXPECT_NE(page.find("sample_files\\" + name), std::string::npos) << name;
    }
    EXPECT_TRUE(lines.back().ends_with("/sample_files/14.png")) << "the last strip counts all 14 figures";
}

struct BadCase {
    const char* name;
    std::vector<std::string> words; // DOC stands for the sample, OUT for a file in the folder
    int status;
};

void PrintTo(const BadCase& c, std::ostream* os) { *os << c.name; }

class ExportCommandErrors : public ExportCommands, public ::testing::WithParamInterface<BadCase> {};

TEST_P(ExportCommandErrors, SayWhatIsWrongOnOneLine)
{
    std::vector<std::string> words;
    for (const std::string& w : GetParam().words)
        words.push_back(w == "DOC" ? Path(document) : w == "OUT" ? Path(dir.filePath("no/such/out.zol")) : w);
    const Outcome outcome = Zoltool(words);
    EXPECT_EQ(outcome.status, GetParam().status) << outcome.err;
    EXPECT_EQ(Lines(outcome.err).size(), 1u) << outcome.err;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExportCommandErrors,
    ::testing::Values(BadCase{"KeysLevel3", {"keys", "DOC", "3"}, 2},
                      BadCase{"KeysZoom0", {"keys", "DOC", "0", "--zoom", "0"}, 2},
                      BadCase{"KeysMissingDocument", {"keys", "/no/such.zol", "0"}, 1},
                      BadCase{"SortUnknownOrder", {"sort", "DOC", "length", "x.zol"}, 2},
                      BadCase{"SortUnwritableOutput", {"sort", "DOC", "caption", "OUT"}, 1},
                      BadCase{"CatalogueBadPalette", {"catalogue", "DOC", "--palette", "9"}, 2},
                      BadCase{"CatalogueMissingDocument", {"catalogue", "/no/such.zol"}, 1}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace zol

// zoltool import-gtans and export-gtans: a collection into a document and
// back, and the one-line reports of what cannot be read or written.
#include "ZoltoolProcess.h"

#include "io/DocumentFile.h"
#include "io/Prompter.h"
#include "model/TangramModel.h"

#include <QFileInfo>
#include <QTemporaryDir>

namespace zol {
namespace {

struct Quiet : Prompter {
    void Inform(const std::string&) override {}
    bool Confirm(const std::string&) override { return false; }
};

class GtansCommands : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    std::string Path(const char* name) const { return dir.filePath(name).toStdString(); }
    std::vector<std::string> Lines(const std::string& path)
    {
        TangramModel model;
        Quiet quiet;
        EXPECT_TRUE(LoadDocument(model, QString::fromStdString(path), dir.path(), quiet));
        return model.figureLines();
    }
    QTemporaryDir dir;
};

TEST_F(GtansCommands, ImportExportImportKeepsTheDocument)
{
    const Outcome imported = Zoltool({"import-gtans", FIXTURES_DIR "/two-figures.figures", Path("a.zol")});
    ASSERT_EQ(imported.status, 0) << imported.err;
    EXPECT_EQ(imported.out.rfind("2 figures, worst vertex error 0.", 0), 0u) << imported.out;
    const std::vector<std::string> first = Lines(Path("a.zol"));
    ASSERT_EQ(first.size(), 5u);
    EXPECT_EQ(first[0], "tan");
    EXPECT_EQ(first[1], "two-figures 1");

    const Outcome exported = Zoltool({"export-gtans", Path("a.zol"), Path("a.figures")});
    ASSERT_EQ(exported.status, 0) << exported.err;
    ASSERT_EQ(Zoltool({"import-gtans", Path("a.figures"), Path("b.zol")}).status, 0);
    const std::vector<std::string> second = Lines(Path("b.zol"));
    ASSERT_EQ(second.size(), first.size());
    for (size_t k = 2; k < first.size(); k += 2)
        EXPECT_EQ(second[k], first[k]) << "placement line " << k;
}

TEST_F(GtansCommands, FailuresAreOneLineAndLeaveNoOutput)
{
    struct Case {
        std::vector<std::string> words;
        std::string says;
    };
    QFile bad(dir.filePath("bad.figures"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("gTans v1.0 1\n1 1 1024\np 0 0 1 1 0\np 0 0\n");
    bad.close();
    const std::vector<Case> cases = {
        {{"import-gtans", Path("bad.figures"), Path("out.zol")}, "line 4: a piece line reads"},
        {{"import-gtans", Path("missing.figures"), Path("out.zol")}, "could not read the file"},
        {{"import-gtans", FIXTURES_DIR "/two-figures.figures", Path("no-folder/out.zol")}, "could not save the file"},
        {{"export-gtans", FIXTURES_DIR "/square.zol", Path("out.figures")}, "only figures of the built-in tangram set"},
    };
    for (const Case& c : cases) {
        const Outcome failed = Zoltool(c.words);
        EXPECT_EQ(failed.status, 1) << c.words[1];
        EXPECT_NE(failed.err.find(c.says), std::string::npos) << failed.err;
        EXPECT_EQ(failed.err.find('\n'), failed.err.size() - 1) << failed.err;
        EXPECT_FALSE(QFileInfo::exists(dir.filePath("out.zol")));
        EXPECT_FALSE(QFileInfo::exists(dir.filePath("out.figures")));
    }
}

} // namespace
} // namespace zol

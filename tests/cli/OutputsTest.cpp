// Every file zoltool writes survives a full disk: the command fails with the
// file and the system's reason on one line, an old file stays whole, nothing
// is left half-written; output that cannot be written is a failure too; and
// names are the bytes given.
#include "ZoltoolProcess.h"
#include "support/SmallDisk.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

#include <dirent.h>

namespace {

const std::string Sample = SAMPLE_DOCUMENT;
const std::string Gtans = FIXTURES_DIR "/two-figures.figures";
const std::string NoSpace = "No space left on device";

std::string Read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string("<missing>");
}

// Every entry, hidden ones too, as the system names them.
std::vector<std::string> Entries(const std::string& folder)
{
    std::vector<std::string> names;
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return {"<no folder>"};
    while (const dirent* entry = ::readdir(dir))
        if (std::string(entry->d_name) != "." && std::string(entry->d_name) != "..")
            names.emplace_back(entry->d_name);
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

struct FullDiskCase {
    const char* what;
    std::vector<std::string> words; // OUT stands for the output on the full disk
    const char* output;              // its name there
    int status;
};

class OntoAFullDisk : public ::testing::TestWithParam<FullDiskCase> {};

// Each output twice: as a new file, and over an old file that must stay as
// it was.
TEST_P(OntoAFullDisk, FailsWithTheReasonAndLeavesTheOldFileWhole)
{
    for (const bool old : {false, true}) {
        SCOPED_TRACE(old ? "over an old file" : "a new file");
        zol::test::SmallDisk disk;
        if (!disk.mounted())
            GTEST_SKIP() << disk.why();
        const std::string out = disk.Path(GetParam().output).toStdString();
        if (old) {
            QFile file(QString::fromStdString(out));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write("the old file");
        }
        disk.Fill();
        std::vector<std::string> words = GetParam().words;
        std::replace(words.begin(), words.end(), std::string("OUT"), out);
        const RawOutcome run = ZoltoolRaw(words);
        EXPECT_EQ(run.status, GetParam().status) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << "one line: " << run.err;
        EXPECT_NE(run.err.find(out + ": " + NoSpace), std::string::npos) << run.err;
        std::vector<std::string> left = {".filler"};
        if (old)
            left.push_back(GetParam().output);
        EXPECT_EQ(Entries(disk.Path("").toStdString()), left) << "no temporary, no fragment";
        if (old) {
            EXPECT_EQ(Read(QString::fromStdString(out)), "the old file");
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Outputs, OntoAFullDisk,
    ::testing::Values(FullDiskCase{"Render", {"render", Sample + ":0", "OUT", "--scale", "4"}, "old.png", 1},
                      FullDiskCase{"RenderGuide", {"render", Sample + ":0", "OUT", "--guide"}, "old.png", 1},
                      FullDiskCase{"AnimateWebp", {"animate", Sample, "OUT", "--figures", "1"}, "old.webp", 1},
                      FullDiskCase{"Sheets", {"sheets", Sample, "OUT"}, "old.pdf", 1},
                      FullDiskCase{"ExportGtans", {"export-gtans", Sample, "OUT"}, "old.figures", 1},
                      FullDiskCase{"ImportGtans", {"import-gtans", Gtans, "OUT"}, "old.zol", 1},
                      FullDiskCase{"Sort", {"sort", Sample, "caption", "OUT"}, "old.zol", 1},
                      FullDiskCase{"SaveAs", {"save-as", Sample, "OUT"}, "old.zol", 2}),
    [](const ::testing::TestParamInfo<FullDiskCase>& info) { return std::string(info.param.what); });

// Frames that do not fit leave neither frames nor the folder made for them.
TEST(AnimateFrames, OntoAFullDiskLeaveNothingBehind)
{
    zol::test::SmallDisk disk(256);
    if (!disk.mounted())
        GTEST_SKIP() << disk.why();
    const std::string frames = disk.Path("frames").toStdString();
    const RawOutcome run = ZoltoolRaw({"animate", Sample, frames, "--figures", "1"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find(NoSpace), std::string::npos) << run.err;
    EXPECT_EQ(Entries(disk.Path("").toStdString()), std::vector<std::string>{});
}

// Frames of an earlier run would mix with the new ones: such a folder is
// refused, and what it holds stays.
TEST(AnimateFrames, RefuseAFolderThatHoldsFiles)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("frames"));
    QFile earlier(dir.filePath("frames/0.png"));
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write("earlier");
    earlier.close();
    const RawOutcome run = ZoltoolRaw({"animate", Sample, dir.filePath("frames").toStdString(), "--figures", "1"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("already holds files"), std::string::npos) << run.err;
    EXPECT_EQ(Entries(dir.filePath("frames").toStdString()), std::vector<std::string>{"0.png"});
    EXPECT_EQ(Read(dir.filePath("frames/0.png")), "earlier");
}

// A catalogue that fails leaves no empty strip folder beside the document.
TEST(CatalogueOutput, OntoAFullDiskLeavesNoEmptyFolder)
{
    zol::test::SmallDisk disk;
    if (!disk.mounted())
        GTEST_SKIP() << disk.why();
    const QString document = disk.Path("sample.zol");
    ASSERT_TRUE(QFile::copy(QString::fromStdString(Sample), document));
    disk.Fill();
    const RawOutcome run = ZoltoolRaw({"catalogue", document.toStdString()});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find(NoSpace), std::string::npos) << run.err;
    EXPECT_EQ(Entries(disk.Path("").toStdString()), (std::vector<std::string>{".filler", "sample.zol"}));
}

// What a command prints must reach its file: a full one is status 1 and the
// reason, whatever the command made of it.
TEST(StandardOutput, ThatCannotBeWrittenFailsTheCommand)
{
    const std::vector<std::vector<std::string>> commands = {
        {"polygons", Sample + ":0"}, {"palette", "2"},        {"keys", Sample, "4"}, {"info", Sample},
        {"arc", "3", "0", "90", "0", "0", "10", "0"},         {"--version"},         {"--help"},
        {"import-gtans", Gtans, "/dev/null"},
    };
    for (const auto& words : commands) {
        const RawOutcome run = ZoltoolRaw(words, "/dev/full");
        EXPECT_EQ(run.status, 1) << words[0];
        EXPECT_EQ(run.err, "zoltool: could not write the standard output: " + NoSpace + "\n") << words[0];
        EXPECT_EQ(ZoltoolRaw(words, "/dev/null").status, 0) << words[0] << " succeeds where it can write";
    }
}

} // namespace

// Every file zoltool writes survives a full disk: the command fails with the
// file and the system's reason on one line, an old file stays whole, nothing
// is left half-written; output that cannot be written is a failure too; and
// names are the bytes given.
#include "ZoltoolProcess.h"
#include "support/SmallDisk.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <jpeglib.h>

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

std::string RawRead(const std::string& path)
{
    std::string bytes;
    if (FILE* file = std::fopen(path.c_str(), "rb")) {
        char buffer[4096];
        for (size_t got; (got = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
            bytes.append(buffer, got);
        std::fclose(file);
    }
    return bytes;
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

// Names are the bytes given: a Shift-JIS name is written, read and drawn
// under itself, and two such names never become one.
TEST(ForeignNames, AreTheBytesGiven)
{
    QTemporaryDir dir;
    const std::string folder = QFile::encodeName(dir.path()).toStdString();
    const std::string a = folder + "/\x82\xa0.zol";   // あ in Shift-JIS
    const std::string rho = folder + "/\x83\xa1.zol"; // ρ in Shift-JIS
    ASSERT_EQ(ZoltoolRaw({"save-as", Sample, a}).status, 0);
    const RawOutcome second = ZoltoolRaw({"save-as", a, rho});
    ASSERT_EQ(second.status, 0) << second.err;
    EXPECT_EQ(Entries(folder), (std::vector<std::string>{"\x82\xa0.zol", "\x83\xa1.zol"}));
    EXPECT_EQ(RawRead(rho), RawRead(Sample));
    EXPECT_EQ(ZoltoolRaw({"render", rho + ":0", folder + "/\x82\xa0.png"}).status, 0);
    EXPECT_EQ(ZoltoolRaw({"info", rho}).status, 0);
    EXPECT_EQ(Entries(folder), (std::vector<std::string>{"\x82\xa0.png", "\x82\xa0.zol", "\x83\xa1.zol"}));
    // Qt's own removal of the folder cannot find these names.
    for (const std::string& name : Entries(folder))
        ::unlink((folder + "/" + name).c_str());
}

// A JPEG of side x side pixels written a row at a time: its left half red,
// its right half blue.
void WriteJpeg(const std::string& path, int side)
{
    FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = JDIMENSION(side);
    info.image_height = JDIMENSION(side);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(size_t(side) * 3);
    for (int x = 0; x < side; ++x) {
        row[size_t(x) * 3] = x < side / 2 ? 255 : 0;
        row[size_t(x) * 3 + 2] = x < side / 2 ? 0 : 255;
    }
    JSAMPROW rows[] = {row.data()};
    while (info.next_scanline < info.image_height)
        jpeg_write_scanlines(&info, rows, 1);
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::fclose(file);
}

// The same bytes with the frame header claiming another size: a few bytes
// that a decoder without limits takes for a picture of gigabytes.
std::string ClaimingSize(std::string jpeg, int side)
{
    const size_t at = jpeg.find("\xFF\xC0");
    for (const size_t field : {at + 5, at + 7}) {
        jpeg[field] = static_cast<char>(side >> 8);
        jpeg[field + 1] = static_cast<char>(side & 0xFF);
    }
    return jpeg;
}

// A background is shown at 512 pixels: a large picture is decoded at a
// reduced scale, and one too large even so is refused by its header with a
// reason. Memory is measured against the same show without a background.
TEST(AnimateBackground, StaysWithinItsBudgetAndRefusesWhatExceedsIt)
{
    QTemporaryDir dir;
    const std::string folder = QFile::encodeName(dir.path()).toStdString();
    const std::string large = folder + "/large.jpg";
    WriteJpeg(large, 8192);
    const std::string huge = folder + "/huge.jpg";
    {
        FILE* file = std::fopen(huge.c_str(), "wb");
        const std::string bytes = ClaimingSize(RawRead(DATA_DIR "/photoA.jpg"), 16384);
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }
    const std::vector<std::string> show = {"animate", Sample, folder + "/show.webp", "--figures", "1"};
    const RawOutcome plain = ZoltoolRaw(show);
    ASSERT_EQ(plain.status, 0) << plain.err;

    std::vector<std::string> withLarge = show;
    withLarge.insert(withLarge.end(), {"--background", large});
    const RawOutcome shown = ZoltoolRaw(withLarge);
    EXPECT_EQ(shown.status, 0) << shown.err;
    // In full the picture alone would take 256 MB.
    EXPECT_LT(shown.peakKilobytes - plain.peakKilobytes, 16 * 1024)
        << "peak " << shown.peakKilobytes << " kB against " << plain.peakKilobytes << " kB without";

    std::vector<std::string> withHuge = show;
    withHuge.insert(withHuge.end(), {"--background", huge});
    const RawOutcome refused = ZoltoolRaw(withHuge);
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.err, "zoltool: cannot use the picture " + huge +
                               ": a picture of 16384 x 16384 pixels is larger than a background may be (at most "
                               "67108864 pixels, 8192 x 8192, are read)\n");
    EXPECT_LT(refused.peakKilobytes - plain.peakKilobytes, 16 * 1024);
}

} // namespace

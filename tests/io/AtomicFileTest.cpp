// The one way every file is written: whole or not at all, on a full disk too,
// with the mode a new file gets and the mode an old file had.
#include "io/AtomicFile.h"
#include "io/FileError.h"
#include "io/LineFile.h"

#include "IoTestSupport.h"
#include "support/SmallDisk.h"

#include <QDir>

#include <sys/stat.h>

using namespace zol;

namespace {

std::string Pattern(size_t size)
{
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>('a' + i % 26);
    return bytes;
}

int ModeOf(const QString& path)
{
    struct stat status {};
    EXPECT_EQ(::stat(QFile::encodeName(path).constData(), &status), 0) << path.toStdString();
    return static_cast<int>(status.st_mode & 07777);
}

QStringList Everything(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

// Sets the umask for the length of a test.
class Umask {
public:
    explicit Umask(mode_t mask) : saved_(::umask(mask)) {}
    ~Umask() { ::umask(saved_); }

private:
    mode_t saved_;
};

// The disk fills before the file is whole: a small file, which the device
// buffers until Commit, and one that fails in the middle of a write. The old
// file stays, no temporary is left, and the reason is the system's.
TEST(AtomicFile, AFullDiskLeavesTheOldFileAndNoTemporary)
{
    test::SmallDisk disk;
    if (!disk.mounted())
        GTEST_SKIP() << disk.why();
    const QString path = disk.Path("doc.zol");
    WriteFileAtomically(path, "old contents\r\n");
    disk.Fill();
    for (const size_t size : {size_t{100}, size_t{300000}}) {
        SCOPED_TRACE(size);
        try {
            WriteFileAtomically(path, Pattern(size));
            ADD_FAILURE() << "written onto a full disk";
        } catch (const FileError& e) {
            EXPECT_EQ(e.message().id, MessageId::WriteFailed);
            EXPECT_EQ(e.message().args, (std::vector<std::string>{path.toStdString(), "No space left on device"}));
            EXPECT_EQ(std::string(e.what()), "could not save the file " + path.toStdString() +
                                                 ": No space left on device")
                << "one line";
        }
        EXPECT_EQ(ReadFileBytes(path), "old contents\r\n");
        EXPECT_EQ(Everything(disk.Path("")), (QStringList{".filler", "doc.zol"}));
    }
    // A writer handed the device writes a little at a time and looks at no
    // result: the failure waits for Commit.
    try {
        AtomicFile file(path);
        for (int i = 0; i < 10000; ++i)
            file.device().write("a few bytes ");
        file.Commit();
        ADD_FAILURE() << "committed onto a full disk";
    } catch (const FileError& e) {
        EXPECT_EQ(e.message().args.at(1), "No space left on device");
    }
    EXPECT_EQ(ReadFileBytes(path), "old contents\r\n");
    EXPECT_EQ(Everything(disk.Path("")), (QStringList{".filler", "doc.zol"}));
}

// An AtomicFile dropped on the way (a writer that threw) leaves the target
// as it was.
TEST(AtomicFile, DroppedBeforeCommitLeavesTheTarget)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("doc.zol");
    WriteFileAtomically(path, "old");
    {
        AtomicFile file(path);
        file.Write("new and unfinished");
        file.device().write(Pattern(200000).data(), 200000);
    }
    EXPECT_EQ(ReadFileBytes(path), "old");
    EXPECT_EQ(Everything(dir.path()), QStringList{"doc.zol"});
}

// A new file gets what any new file gets under the umask (strips published
// by a web server must be readable); a replaced one keeps its own mode.
TEST(AtomicFile, NewFilesFollowTheUmaskAndOldFilesKeepTheirMode)
{
    const struct {
        mode_t umask;
        int oldMode; // -1: no file there before
        int mode;
    } cases[] = {{022, -1, 0644}, {027, -1, 0640}, {002, -1, 0664}, {077, 0644, 0644}, {022, 0600, 0600},
                 {022, 0664, 0664}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::oct << "umask " << c.umask << ", old mode " << c.oldMode);
        QTemporaryDir dir;
        const QString path = dir.filePath("strip.png");
        if (c.oldMode >= 0) {
            WriteFileAtomically(path, "old");
            ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), static_cast<mode_t>(c.oldMode)), 0);
        }
        const Umask mask(c.umask);
        WriteFileAtomically(path, "new");
        EXPECT_EQ(ModeOf(path), c.mode);
        EXPECT_EQ(ReadFileBytes(path), "new");
    }
}

// A link is written through: the file it names changes, the link stays.
TEST(AtomicFile, WritesThroughALink)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("real"));
    const QString target = dir.filePath("real/doc.zol");
    WriteFileAtomically(target, "old");
    ASSERT_TRUE(QFile::link(target, dir.filePath("link.zol")));
    WriteFileAtomically(dir.filePath("link.zol"), "new");
    EXPECT_TRUE(QFileInfo(dir.filePath("link.zol")).isSymLink());
    EXPECT_EQ(ReadFileBytes(target), "new");
    EXPECT_EQ(Everything(dir.filePath("real")), QStringList{"doc.zol"});
}

TEST(AtomicFile, RefusesAFolderAtTheTargetBeforeAnythingIsWritten)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("doc.zol"));
    try {
        AtomicFile file(dir.filePath("doc.zol"));
        ADD_FAILURE() << "a folder taken for a file";
    } catch (const FileError& e) {
        EXPECT_EQ(e.message().args.at(1), "Is a directory");
    }
    EXPECT_EQ(Everything(dir.path()), QStringList{"doc.zol"});
}

} // namespace

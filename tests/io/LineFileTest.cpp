#include "io/FileError.h"
#include "io/LineFile.h"
#include "io/TextCodec.h"

#include "IoTestSupport.h"

#include <cerrno>
#include <cstring>
#include <thread>

#include <sys/stat.h>

using namespace zol;
using Lines = std::vector<std::string>;
using namespace std::string_literals;

TEST(LineFile, SplitsAtEveryKindOfLineEnd)
{
    struct Case {
        std::string bytes;
        Lines lines;
    } cases[] = {
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"a\n\rb", {"a", "", "b"}}, // LF then CR are two line ends
        {"a\r\nb\0c\r\nd"s, {"a", "b"}},
        {"a\r\n\0b\r\n"s, {"a"}},
        {"", {}},
        {"\r\n", {""}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SplitLines(c.bytes).lines, c.lines) << testing::PrintToString(c.bytes);
}

TEST(LineFile, KeepsTheByteOrderMarkOutOfTheLinesAndRestoresIt)
{
    const std::string bytes = "\xEF\xBB\xBF" "2.13\r\n\xE5\x90\x8D\r\n";
    const TextLines text = SplitLines(bytes);
    EXPECT_EQ(text.lines, (Lines{"2.13", "\xE5\x90\x8D"}));
    EXPECT_TRUE(text.bom);
    EXPECT_EQ(text.encoding, TextEncoding::Utf8);
    EXPECT_EQ(JoinLines(text), bytes);

    const TextLines plain = SplitLines("2.13\nabc");
    EXPECT_FALSE(plain.bom);
    EXPECT_EQ(JoinLines(plain), "2.13\r\nabc\r\n");
}

// What is written reads back as the same text: UTF-8 always with its mark,
// CP932 as it is unless its bytes would pass for UTF-8.
TEST(LineFile, WritesAFormThatReadsBackAsTheSameText)
{
    struct Case {
        TextLines text;
        TextEncoding written;
    } cases[] = {
        {{{"2.13", "\x95\x5c"}, TextEncoding::Cp932}, TextEncoding::Cp932},
        {{{"2.13", "\xC4\xB3"}, TextEncoding::Cp932}, TextEncoding::Cp932}, // ﾄｳ
        {{{"2.13", "\xE8\xA4\xB0"}, TextEncoding::Cp932}, TextEncoding::Utf8}, // 隍ｰ, or 褰 in UTF-8
        {{{"2.13", "\xC4\xB3"}, TextEncoding::Utf8}, TextEncoding::Utf8},       // ĳ
        {{{"2.13", "x"}, TextEncoding::Utf8, true}, TextEncoding::Utf8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.text.lines));
        const TextLines form = WritableForm(c.text);
        EXPECT_EQ(form.encoding, c.written);
        const TextLines back = SplitLines(JoinLines(form));
        EXPECT_EQ(back.encoding, c.written);
        ASSERT_EQ(back.lines.size(), c.text.lines.size());
        for (size_t i = 0; i < back.lines.size(); ++i)
            EXPECT_EQ(DecodeText(back.lines[i], back.encoding), DecodeText(c.text.lines[i], c.text.encoding));
    }
}

class AtomicWrite : public test::ProgramFolderTest {};

TEST_F(AtomicWrite, ReportsAFolderThatCannotHoldTheFile)
{
    Write("plain-file", "x");
    for (const QString& target : {Path("plain-file/doc.zol"), Path("missing/doc.zol")}) {
        try {
            WriteLineFile(target, {{"2.13"}});
            ADD_FAILURE() << "no error for " << target.toStdString();
        } catch (const FileError& e) {
            // The editor shows the Japanese text, zoltool the English one.
            const std::string japanese = ErrorText(e, Language::Japanese);
            EXPECT_TRUE(japanese.starts_with("ファイルを保存できませんでした。\n")) << japanese;
            EXPECT_NE(japanese.find("doc.zol"), std::string::npos);
            EXPECT_TRUE(std::string(e.what()).starts_with("could not save the file ")) << e.what();
            EXPECT_NE(std::string(e.what()).find("doc.zol"), std::string::npos);
        }
    }
    EXPECT_EQ(Read("plain-file"), "x");
}

// The disk fills part way through the file, small or large: the message
// gives the system's reason, and the old file stays whole.
TEST_F(AtomicWrite, AFailedWriteTellsWhyAndLeavesTheOldFileWhole)
{
    const QString path = Write("doc.zol", "old contents\r\n");
    for (const size_t size : {100, 100000}) {
        test::FileSizeLimit fullDisk;
        try {
            WriteFileAtomically(path, std::string(size, 'x'));
            ADD_FAILURE() << "no error writing " << size << " bytes";
        } catch (const FileError& e) {
            EXPECT_TRUE(std::string(e.what()).ends_with(std::strerror(EFBIG))) << e.what();
        }
    }
    EXPECT_EQ(Read("doc.zol"), "old contents\r\n");
    EXPECT_EQ(QDir(Path("")).entryList(QDir::Files), QStringList{"doc.zol"}) << "temporary file left behind";
}

TEST_F(AtomicWrite, ReadingAMissingFileIsAFileError)
{
    EXPECT_THROW(ReadLineFile(Path("nothing.zol")), FileError);
}

// Small files, large ones (held in huge pages) and a pipe, whose size the
// system does not tell, so that its buffer grows past the large size as it
// is read.
TEST_F(AtomicWrite, ReadsEveryByteOfFilesSmallLargeAndOfUnknownSize)
{
    const auto pattern = [](size_t size) {
        std::string bytes(size, '\0');
        for (size_t i = 0; i < size; ++i)
            bytes[i] = static_cast<char>('0' + (i * 7 + i / 4099) % 75);
        return bytes;
    };
    for (const size_t size : {size_t{0}, size_t{1}, size_t{4095}, (size_t{4} << 20) - 1, size_t{4} << 20,
                              (size_t{9} << 20) + 3}) {
        SCOPED_TRACE(size);
        const std::string bytes = pattern(size);
        EXPECT_EQ(ReadFileBytes(Write("doc.zol", bytes)), bytes);
    }
    const QString fifo = Path("pipe.zol");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const std::string piped = pattern((size_t{5} << 20) + 11);
    std::thread writer([&] {
        QFile out(fifo);
        if (out.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            out.write(piped.data(), static_cast<qint64>(piped.size()));
    });
    const std::string read = ReadFileBytes(fifo);
    writer.join();
    EXPECT_EQ(read, piped);
}

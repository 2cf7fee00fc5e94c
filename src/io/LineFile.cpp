#include "io/LineFile.h"

#include "io/AppPaths.h"
#include "io/AtomicFile.h"
#include "io/FileError.h"
#include "io/NativePath.h"
#include "io/TextCodec.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <memory>

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace zol {

namespace {

constexpr std::string_view Utf8Bom = "\xEF\xBB\xBF";

[[noreturn]] void Fail(MessageId what, const QString& path, const QString& reason)
{
    throw FileError(Message{what, {DisplayPath(path).toStdString(), reason.toStdString()}});
}

// A buffer for a file's bytes, read or to be written. The 2 MB stretches
// inside a large one are offered for huge pages: filling fresh memory then
// takes a few page faults in place of one for every 4 KB, which was most of
// the time of a first read. Memory the process had already faulted in is
// reused as it is.
std::shared_ptr<char[]> NewFileBuffer(size_t capacity)
{
    std::shared_ptr<char[]> buffer(new char[capacity]);
#if defined(MADV_HUGEPAGE)
    constexpr uintptr_t HugePage = uintptr_t{2} << 20;
    const auto begin = reinterpret_cast<uintptr_t>(buffer.get());
    const uintptr_t first = (begin + HugePage - 1) & ~(HugePage - 1);
    const uintptr_t last = (begin + capacity) & ~(HugePage - 1);
    if (last > first)
        ::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
#endif
    return buffer;
}

} // namespace

namespace {

// Calls found(p) for each CR or LF in [begin, end), in order: sixteen bytes
// at a time where SSE2 is there, then byte by byte.
template <typename Found>
void ForEachLineBreak(const char* begin, const char* end, Found found)
{
    const char* p = begin;
#if defined(__SSE2__)
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    for (; end - p >= 16; p += 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        auto mask = static_cast<unsigned>(
            _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(chunk, cr), _mm_cmpeq_epi8(chunk, lf))));
        for (; mask != 0; mask &= mask - 1)
            found(p + __builtin_ctz(mask));
    }
#endif
    for (; p < end; ++p) {
        if (*p == '\r' || *p == '\n')
            found(p);
    }
}

// Where each line of text stands, counted from `base`: a CR, an LF or the
// pair CR LF ends a line.
std::vector<LineSpan> LineSpans(std::string_view text, size_t base)
{
    std::vector<LineSpan> spans;
    spans.reserve(text.size() / 64 + 1);
    const char* const begin = text.data();
    const char* const end = begin + text.size();
    const char* start = begin;
    bool afterCr = false;
    ForEachLineBreak(begin, end, [&](const char* at) __attribute__((always_inline)) {
        if (afterCr && at == start && *at == '\n') {
            start = at + 1;
            afterCr = false;
            return;
        }
        spans.push_back({base + static_cast<size_t>(start - begin), static_cast<size_t>(at - start)});
        afterCr = *at == '\r';
        start = at + 1;
    });
    if (start < end)
        spans.push_back({base + static_cast<size_t>(start - begin), static_cast<size_t>(end - start)});
    return spans;
}

// The lines of a file's bytes, where they stand, and how to read them.
struct TextLayout {
    std::vector<LineSpan> spans;
    TextEncoding encoding = TextEncoding::Cp932;
    bool bom = false;
};

TextLayout LayOut(std::string_view bytes)
{
    std::string_view text = bytes.substr(0, std::min(bytes.size(), bytes.find('\0')));
    TextLayout layout;
    size_t offset = 0;
    if (text.starts_with(Utf8Bom)) {
        text.remove_prefix(Utf8Bom.size());
        offset = Utf8Bom.size();
        layout.bom = true;
    }
    layout.encoding = layout.bom ? TextEncoding::Utf8 : DetectEncoding(text);
    layout.spans = LineSpans(text, offset);
    return layout;
}

// The size of every line followed by CR LF, after the mark and the head line
// when given.
template <typename Lines>
size_t JoinedSize(bool mark, const std::string_view* head, const Lines& lines)
{
    size_t size = (mark ? Utf8Bom.size() : 0) + (head ? head->size() + 2 : 0);
    for (const auto& line : lines)
        size += line.size() + 2;
    return size;
}

// Those bytes, written to out, which holds JoinedSize of them: one copy per
// line and no checks of room on the way.
template <typename Lines>
void JoinInto(char* out, bool mark, const std::string_view* head, const Lines& lines)
{
    const auto put = [&out](std::string_view bytes) {
        std::memcpy(out, bytes.data(), bytes.size());
        out += bytes.size();
    };
    const auto append = [&](std::string_view line) {
        put(line);
        *out++ = '\r';
        *out++ = '\n';
    };
    if (mark)
        put(Utf8Bom);
    if (head)
        append(*head);
    for (const auto& line : lines)
        append(line);
}

} // namespace

TextLines SplitLines(std::string_view bytes)
{
    TextLayout layout = LayOut(bytes);
    TextLines result{{}, layout.encoding, layout.bom};
    result.lines.reserve(layout.spans.size());
    for (const LineSpan& span : layout.spans)
        result.lines.emplace_back(bytes.substr(span.offset, span.size));
    return result;
}

FileText SplitText(FileBytes bytes)
{
    const TextLayout layout = LayOut(bytes.view());
    return FileText{FileLines(std::move(bytes.data), layout.spans), layout.encoding, layout.bom};
}

std::string JoinLines(const TextLines& text)
{
    const bool mark = text.bom && text.encoding == TextEncoding::Utf8;
    std::string bytes(JoinedSize(mark, nullptr, text.lines), '\0');
    JoinInto(bytes.data(), mark, nullptr, text.lines);
    return bytes;
}

FileBytes JoinLines(std::string_view head, const FileLines& lines, TextEncoding encoding, bool bom)
{
    const bool mark = bom && encoding == TextEncoding::Utf8;
    const size_t size = JoinedSize(mark, &head, lines);
    std::shared_ptr<char[]> bytes = NewFileBuffer(size);
    JoinInto(bytes.get(), mark, &head, lines);
    return FileBytes{std::move(bytes), size};
}

TextLines WritableForm(TextLines text)
{
    if (text.encoding == TextEncoding::Cp932 && DetectEncoding(JoinLines(text)) == TextEncoding::Utf8) {
        for (std::string& line : text.lines)
            line = DecodeText(line, TextEncoding::Cp932).toStdString();
        text.encoding = TextEncoding::Utf8;
    }
    text.bom = text.encoding == TextEncoding::Utf8;
    return text;
}

namespace {

// The file open for reading, unbuffered, found by its own bytes (see
// NativePath); throws FileError.
std::unique_ptr<QFile> OpenToRead(const QString& path)
{
    const int descriptor = ::open(NativePath(path).constData(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0)
        Fail(MessageId::ReadFailed, path, SystemReason(errno));
    auto file = std::make_unique<QFile>();
    if (!file->open(descriptor, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        Fail(MessageId::ReadFailed, path, file->errorString());
    }
    return file;
}

} // namespace

FileBytes ReadWholeFile(const QString& path)
{
    const std::unique_ptr<QFile> opened = OpenToRead(path);
    QFile& file = *opened;
    // One byte over the size the system tells, so that the read that finds
    // the end needs no larger buffer; a file that grows meanwhile (or one
    // without a size) is read on in doubling buffers.
    size_t capacity = static_cast<size_t>(std::max<qint64>(file.size(), 0)) + 1;
    std::shared_ptr<char[]> data = NewFileBuffer(capacity);
    size_t size = 0;
    for (;;) {
        if (size == capacity) {
            std::shared_ptr<char[]> larger = NewFileBuffer(2 * capacity);
            std::memcpy(larger.get(), data.get(), size);
            data = std::move(larger);
            capacity *= 2;
        }
        const qint64 got = file.read(data.get() + size, static_cast<qint64>(capacity - size));
        if (got < 0)
            Fail(MessageId::ReadFailed, path, file.errorString());
        if (got == 0)
            break;
        size += static_cast<size_t>(got);
    }
    return FileBytes{std::move(data), size};
}

std::string ReadFileBytes(const QString& path) { return std::string(ReadWholeFile(path).view()); }

std::string ReadFileStart(const QString& path, size_t count)
{
    const std::unique_ptr<QFile> file = OpenToRead(path);
    std::string bytes(count, '\0');
    size_t size = 0;
    while (size < count) {
        const qint64 got = file->read(bytes.data() + size, static_cast<qint64>(count - size));
        if (got < 0)
            Fail(MessageId::ReadFailed, path, file->errorString());
        if (got == 0)
            break;
        size += static_cast<size_t>(got);
    }
    bytes.resize(size);
    return bytes;
}

void WriteFileAtomically(const QString& path, std::string_view bytes)
{
    AtomicFile file(path);
    file.Write(bytes);
    file.Commit();
}

TextLines ReadLineFile(const QString& path) { return SplitLines(ReadWholeFile(path).view()); }

FileText ReadTextFile(const QString& path) { return SplitText(ReadWholeFile(path)); }

void WriteLineFile(const QString& path, const TextLines& text)
{
    WriteFileAtomically(path, JoinLines(WritableForm(text)));
}

} // namespace zol

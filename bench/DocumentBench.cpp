// Opening, saving and describing a document of 100 000 figures with Japanese
// captions in CP932 (about 10 MB), each beside the least any of them must do:
// reading the file's bytes into a buffer of its size with one read.
#include "LongDocument.h"
#include "SideBySide.h"

#include "cli/DocumentCommands.h"
#include "io/DocumentFile.h"
#include "io/LineFile.h"
#include "io/TextCodec.h"
#include "model/TangramModel.h"

#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <map>
#include <memory>
#include <sstream>

namespace zol::bench {
namespace {

constexpr int Figures = 100000;

class SilentPrompter : public Prompter {
public:
    void Inform(const std::string&) override {}
    bool Confirm(const std::string&) override { return false; }
};

// A document of some length, written once per run.
struct LongDocument {
    explicit LongDocument(int figures) { WriteLongDocument(path, figures); }
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("long.zol"));
    QString copy = dir.filePath(QStringLiteral("copy.zol"));
};

const LongDocument& Document(int figures = Figures)
{
    static std::map<int, std::unique_ptr<LongDocument>> documents;
    std::unique_ptr<LongDocument>& document = documents[figures];
    if (!document)
        document = std::make_unique<LongDocument>(figures);
    return *document;
}

// Run at a tenth of the length and at the full length: the time per figure,
// shown as items per second, stays the same while growth is linear.
void PerFigure(benchmark::State& state)
{
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// The baseline: the file's bytes into a fresh buffer of its size, one read.
size_t ReadWithOneRead(const QString& path)
{
    const int fd = ::open(path.toLocal8Bit().constData(), O_RDONLY);
    struct stat info {};
    ::fstat(fd, &info);
    const auto size = static_cast<size_t>(info.st_size);
    std::unique_ptr<char[]> buffer(new char[size]);
    const ssize_t got = ::read(fd, buffer.get(), size);
    ::close(fd);
    benchmark::DoNotOptimize(buffer.get());
    return static_cast<size_t>(got);
}

// What the save must do at the least: the bytes written to a file with one
// write and made durable, as the atomic save does before its rename.
void WriteWithOneWrite(const QString& path, const std::string& bytes, bool durable = true)
{
    const int fd = ::open(path.toLocal8Bit().constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    benchmark::DoNotOptimize(::write(fd, bytes.data(), bytes.size()));
    if (durable)
        ::fsync(fd);
    ::close(fd);
}

void Note(benchmark::State& state, const QString& path)
{
    state.counters["file_MB"] = static_cast<double>(ReadWithOneRead(path)) / 1e6;
}

// LoadDocument, as the editor opens a document and zoltool reads one.
void BM_LoadDocumentVsRead(benchmark::State& state)
{
    const LongDocument& doc = Document(static_cast<int>(state.range(0)));
    TangramModel model;
    SilentPrompter prompter;
    MeasureSideBySide(
        state, "x_read", [] {}, [&] { LoadDocument(model, doc.path, doc.dir.path(), prompter); },
        [&] { ReadWithOneRead(doc.path); });
    Note(state, doc.path);
    PerFigure(state);
}

// SaveDocument of the loaded document: the file the editor's Save writes.
void BM_SaveDocumentVsRead(benchmark::State& state)
{
    const LongDocument& doc = Document();
    TangramModel model;
    SilentPrompter prompter;
    LoadDocument(model, doc.path, doc.dir.path(), prompter);
    MeasureSideBySide(
        state, "x_read", [&] { model.setModified(true); }, [&] { SaveDocument(model, doc.copy); },
        [&] { ReadWithOneRead(doc.path); });
    Note(state, doc.path);
}

// The same save beside the durable write of its bytes.
void BM_SaveDocumentVsWrite(benchmark::State& state)
{
    const LongDocument& doc = Document();
    TangramModel model;
    SilentPrompter prompter;
    LoadDocument(model, doc.path, doc.dir.path(), prompter);
    const std::string bytes = ReadFileBytes(doc.path);
    const QString plain = doc.dir.filePath(QStringLiteral("plain.zol"));
    MeasureSideBySide(
        state, "x_write", [&] { model.setModified(true); }, [&] { SaveDocument(model, doc.copy); },
        [&] { WriteWithOneWrite(plain, bytes); });
}

// The floor under any save: one write of the same bytes made durable, and
// the same write left in the page cache, each beside the read.
void BM_DurableWriteVsRead(benchmark::State& state)
{
    const LongDocument& doc = Document();
    const std::string bytes = ReadFileBytes(doc.path);
    const QString plain = doc.dir.filePath(QStringLiteral("plain.zol"));
    MeasureSideBySide(
        state, "x_read", [] {}, [&] { WriteWithOneWrite(plain, bytes); }, [&] { ReadWithOneRead(doc.path); });
}

void BM_CachedWriteVsRead(benchmark::State& state)
{
    const LongDocument& doc = Document();
    const std::string bytes = ReadFileBytes(doc.path);
    const QString plain = doc.dir.filePath(QStringLiteral("plain.zol"));
    MeasureSideBySide(
        state, "x_read", [] {}, [&] { WriteWithOneWrite(plain, bytes, false); },
        [&] { ReadWithOneRead(doc.path); });
}

// `zoltool save-as`: the load and the save together.
void BM_ZoltoolSaveAsVsRead(benchmark::State& state)
{
    const LongDocument& doc = Document();
    const std::vector<std::string> args{doc.path.toStdString(), doc.copy.toStdString()};
    std::ostringstream out, err;
    MeasureSideBySide(
        state, "x_read", [] {}, [&] { SaveAsCommand(args, out, err); }, [&] { ReadWithOneRead(doc.path); });
    Note(state, doc.path);
}

// `zoltool info`: the load, then every placement line parsed.
void BM_ZoltoolInfoVsRead(benchmark::State& state)
{
    const LongDocument& doc = Document(static_cast<int>(state.range(0)));
    const std::vector<std::string> args{doc.path.toStdString()};
    std::ostringstream out, err;
    MeasureSideBySide(
        state, "x_read", [&] { out.str({}); }, [&] { InfoCommand(args, out, err); },
        [&] { ReadWithOneRead(doc.path); });
    Note(state, doc.path);
    PerFigure(state);
}

// Deciding the encoding of the whole file, the first thing a load does. The
// CP932 document is told at its first caption; the same text in UTF-8 is
// scanned to its end, which is the case measured.
void BM_DetectEncodingVsRead(benchmark::State& state)
{
    const LongDocument& doc = Document();
    const std::string bytes = DecodeText(ReadFileBytes(doc.path), TextEncoding::Cp932).toStdString();
    MeasureSideBySide(
        state, "x_read", [] {}, [&] { benchmark::DoNotOptimize(DetectEncoding(bytes)); },
        [&] { ReadWithOneRead(doc.path); });
}

} // namespace

BENCHMARK(BM_LoadDocumentVsRead)->Arg(Figures / 10)->Arg(Figures)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_SaveDocumentVsRead)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_SaveDocumentVsWrite)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_DurableWriteVsRead)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_CachedWriteVsRead)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_ZoltoolSaveAsVsRead)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_ZoltoolInfoVsRead)->Arg(Figures / 10)->Arg(Figures)->Unit(benchmark::kMillisecond)->MinTime(1.0);
// A fixed count: the baseline's reads run outside the timed part, and a
// count chosen from the quick body alone would take minutes of them.
BENCHMARK(BM_DetectEncodingVsRead)->Unit(benchmark::kMillisecond)->Iterations(200);

} // namespace zol::bench

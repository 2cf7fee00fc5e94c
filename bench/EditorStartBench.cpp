// The editor started with a document of 100 000 figures (Japanese captions in
// CP932) until its window has painted, beside the same editor started empty,
// and what memory each holds then and after saving the document. The real
// program runs on the offscreen platform in a program folder of its own; it
// says "ready" (and "saved") under ZOL_READY_MARK.
#include "LongDocument.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <stdexcept>

namespace zol::bench {
namespace {

constexpr int Figures = 100000;

// The built editor copied where its Zol.ini may land, the shipped piece sets
// beside it, and the document.
struct ProgramFolder {
    ProgramFolder()
    {
        QFile::copy(QStringLiteral(ZOL_BINARY), zol);
        QFile::setPermissions(zol, QFile::permissions(zol) | QFileDevice::ExeOwner);
        QDir().mkpath(dir.filePath(QStringLiteral("pltes")));
        const QString sets = QStringLiteral(ZOL_DATA "/pltes/");
        for (const QString& set : QDir(sets).entryList({QStringLiteral("*.plt")}))
            QFile::copy(sets + set, dir.filePath(QStringLiteral("pltes/") + set));
        WriteLongDocument(document, Figures);
    }

    QTemporaryDir dir;
    QTemporaryDir runtime;
    QString zol = dir.filePath(QStringLiteral("zol"));
    QString document = dir.filePath(QStringLiteral("long.zol"));
};

const ProgramFolder& Folder()
{
    static const ProgramFolder folder;
    return folder;
}

// One start: seconds until "ready", and the resident and peak memory (in
// bytes) once ready and, when asked, once saved.
struct Start {
    double seconds = 0;
    double readyRss = 0;
    double savedRss = 0;
    double peak = 0;
};

double StatusBytes(qint64 pid, const char* field)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(static_cast<qsizetype>(std::strlen(field))).trimmed().split(' ').front().toDouble() * 1024;
    }
    return 0;
}

bool WaitForLine(QProcess& process, const QByteArray& mark)
{
    while (process.waitForReadyRead(30000)) {
        while (process.canReadLine()) {
            if (process.readLine().trimmed() == mark)
                return true;
        }
    }
    return false;
}

Start StartEditor(const QStringList& args, bool save)
{
    const ProgramFolder& folder = Folder();
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder.runtime.path());
    env.insert(QStringLiteral("ZOL_READY_MARK"), save ? QStringLiteral("save") : QStringLiteral("1"));
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(folder.dir.path());
    Start start;
    const auto begin = std::chrono::steady_clock::now();
    process.start(folder.zol, args);
    if (!WaitForLine(process, "ready"))
        throw std::runtime_error("the editor did not get ready");
    start.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    start.readyRss = StatusBytes(process.processId(), "VmRSS:");
    if (save) {
        process.write("save\n");
        if (!WaitForLine(process, "saved"))
            throw std::runtime_error("the editor did not save");
        start.savedRss = StatusBytes(process.processId(), "VmRSS:");
    }
    start.peak = StatusBytes(process.processId(), "VmHWM:");
    process.kill();
    process.waitForFinished();
    return start;
}

// Each iteration starts the editor empty and with the document; the best of
// the iterations counts, the time a start takes when the machine is free.
void BM_EditorStartWithDocument(benchmark::State& state)
{
    const ProgramFolder& folder = Folder();
    const double fileBytes = static_cast<double>(QFileInfo(folder.document).size());
    Start bestEmpty{1e9}, bestDocument{1e9};
    for (auto _ : state) {
        const Start empty = StartEditor({}, false);
        const Start document = StartEditor({folder.document}, true);
        if (empty.seconds < bestEmpty.seconds)
            bestEmpty = empty;
        if (document.seconds < bestDocument.seconds)
            bestDocument = document;
        state.SetIterationTime(document.seconds);
    }
    const double mb = 1e6;
    state.counters["x_empty_start"] = bestDocument.seconds / bestEmpty.seconds;
    state.counters["empty_s"] = bestEmpty.seconds;
    state.counters["document_s"] = bestDocument.seconds;
    state.counters["file_MB"] = fileBytes / mb;
    state.counters["empty_rss_MB"] = bestEmpty.readyRss / mb;
    state.counters["open_rss_MB"] = bestDocument.readyRss / mb;
    state.counters["saved_rss_MB"] = bestDocument.savedRss / mb;
    state.counters["peak_MB"] = bestDocument.peak / mb;
    // Memory the document costs, in file sizes: at most 3 is the aim.
    state.counters["x_file_open"] = (bestDocument.readyRss - bestEmpty.readyRss) / fileBytes;
    state.counters["x_file_saved"] = (bestDocument.savedRss - bestEmpty.readyRss) / fileBytes;
}

} // namespace

BENCHMARK(BM_EditorStartWithDocument)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace zol::bench

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

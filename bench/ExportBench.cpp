// Sorting and the catalogue, each beside the simplest work of the same size:
// the board redraw, std::sort with the same comparator, zlib on the pixels.

#include "SideBySide.h"

#include "export/Catalogue.h"
#include "export/FigureSort.h"
#include "export/NuanceKey.h"
#include "io/TextCodec.h"
#include "model/TangramModel.h"

#include <QCollator>
#include <QDir>
#include <QLocale>
#include <QTemporaryDir>

#include <zlib.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <random>

namespace zol::bench {

namespace {

// A document of n figures: the start arrangement moved about, captions from a
// few words in varying case, so that many compare equal.
TangramModel Document(int n)
{
    TangramModel model;
    model.SetPalette(0x000000, 255, 0, 255, 0, 0, 0);
    std::mt19937 random(1);
    const char* words[] = {"fox", "Fox", "cat", "CAT", "bird", "house", "boat", "swan", "Swan", "man"};
    std::vector<std::string> lines{std::string(model.figureLines().front())};
    for (int i = 0; i < n; ++i) {
        Figure f = model.startFigure();
        const int dx = static_cast<int>(random() % 200) - 100, dy = static_cast<int>(random() % 200) - 100;
        for (int p = 0; p < model.pieceCount(); ++p) {
            f.x[p] += dx + static_cast<int>(random() % 40);
            f.y[p] += dy;
            f.angle[p] = static_cast<int>(random() % 720);
        }
        model.SetCurrentFigure(f);
        lines.push_back(std::string(words[random() % 10]) + " " + std::to_string(random() % 50));
        lines.push_back(model.FormatPlacementLine());
    }
    model.SetFigureLines(lines, TextEncoding::Cp932);
    return model;
}

// Render, plain reduction and key of one figure, as the nuance sort does
// them, against one board redraw of the same figure.
void BM_NuanceKeyVsBoardRedraw(benchmark::State& state)
{
    TangramModel model = Document(1);
    model.LoadFigure(0);
    const Figure figure = model.ParseFigure(0);
    QImage board(BoardSize, BoardSize, QImage::Format_RGB32);
    NuanceKeyRenderer keyOf(model, 0);
    int key = 0;
    MeasureSideBySide(
        state, "x_board_redraw", [] {}, [&] { key += keyOf.Key(figure); },
        [&] { model.DrawFigure(-1, 1.0, board, Background::Fill); });
    benchmark::DoNotOptimize(key);
}

// The nuance sort of n figures: its time per figure should stay flat as n
// grows. Timed by the wall clock, with "cores" the processor time of all its
// threads over that time (near 2 on two idle cores).
void BM_NuanceSort(benchmark::State& state)
{
    const TangramModel document = Document(static_cast<int>(state.range(0)));
    TangramModel model;
    NoProgress none;
    double processor = 0, wall = 0;
    for (auto _ : state) {
        state.PauseTiming();
        model = document;
        state.ResumeTiming();
        const std::clock_t startProcessor = std::clock();
        const auto start = std::chrono::steady_clock::now();
        SortByNuance(model, 2, -1, none);
        wall += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        processor += double(std::clock() - startProcessor) / CLOCKS_PER_SEC;
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.counters["cores"] = processor / wall;
}

// The caption sort of 100 000 figures against std::sort of their captions
// with the same comparator.
void BM_CaptionSortVsStdSort(benchmark::State& state)
{
    const TangramModel document = Document(static_cast<int>(state.range(0)));
    TangramModel model;
    std::vector<QString> captions;
    QCollator collator(QLocale::system());
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    NoProgress none;
    MeasureSideBySide(
        state, "x_std_sort",
        [&] {
            model = document;
            captions.clear();
            for (int i = 0; i < document.figureCount(); ++i)
                captions.push_back(DecodeText(document.GetFigureCaption(i), TextEncoding::Cp932));
        },
        [&] { SortByCaption(model, -1, none); },
        [&] {
            std::sort(captions.begin(), captions.end(),
                      [&](const QString& a, const QString& b) { return collator.compare(a, b) < 0; });
        });
}

// The strips' pixels as PNG rows (a filter byte and RGB), read back from the
// files the catalogue wrote.
std::vector<std::vector<unsigned char>> StripRows(const std::vector<QString>& strips)
{
    std::vector<std::vector<unsigned char>> images;
    for (const QString& path : strips) {
        const QImage image = QImage(path).convertToFormat(QImage::Format_RGB888);
        std::vector<unsigned char> bytes;
        for (int y = 0; y < image.height(); ++y) {
            bytes.push_back(0);
            const uchar* row = image.constScanLine(y);
            bytes.insert(bytes.end(), row, row + 3 * image.width());
        }
        images.push_back(std::move(bytes));
    }
    return images;
}

// Adds the processor time of every thread of the process, from its
// construction to its destruction, to `total`.
class ProcessorTime {
public:
    explicit ProcessorTime(double& total) : total_(total), start_(std::clock()) {}
    ~ProcessorTime() { total_ += static_cast<double>(std::clock() - start_) / CLOCKS_PER_SEC; }
    ProcessorTime(const ProcessorTime&) = delete;
    ProcessorTime& operator=(const ProcessorTime&) = delete;

private:
    double& total_;
    std::clock_t start_;
};

// The catalogue of 1 000 figures against zlib compressing its strips' pixels.
// x_zlib compares the waits; x_zlib_cpu the processor time on all cores,
// which a busy machine changes less: x_zlib nears x_zlib_cpu / cores on a
// quiet one.
void BM_CatalogueVsZlib(benchmark::State& state)
{
    TangramModel model = Document(static_cast<int>(state.range(0)));
    QTemporaryDir dir;
    const CatalogueRequest request{dir.filePath("bench"), true, "2026/1/1"};
    NoProgress none;
    const std::vector<std::vector<unsigned char>> pixels = StripRows(WriteCatalogue(model, request, none).strips);
    std::vector<unsigned char> packed;
    double catalogueTime = 0, zlibTime = 0;
    MeasureSideBySide(
        state, "x_zlib", [] {},
        [&] {
            ProcessorTime time(catalogueTime);
            WriteCatalogue(model, request, none);
        },
        [&] {
            ProcessorTime time(zlibTime);
            for (const auto& image : pixels) {
                uLongf size = compressBound(image.size());
                packed.resize(size);
                compress2(packed.data(), &size, image.data(), image.size(), Z_DEFAULT_COMPRESSION);
            }
        });
    state.counters["x_zlib_cpu"] = catalogueTime / zlibTime;
}

} // namespace

BENCHMARK(BM_NuanceKeyVsBoardRedraw);
BENCHMARK(BM_NuanceSort)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CaptionSortVsStdSort)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_CatalogueVsZlib)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace zol::bench

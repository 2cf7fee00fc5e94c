// Puzzle sheets read back with poppler: each silhouette covers its figure's
// board pixels at the cell's scale, centred in the cell; solution pages show
// every piece in its palette colour; captions are embedded text; failures
// write nothing.
#include "ExportFixtures.h"

#include "export/PuzzleSheets.h"
#include "export/SheetLayout.h"
#include "io/DocumentFile.h"
#include "io/FileError.h"
#include "io/LineFile.h"
#include "io/Prompter.h"
#include "model/CommaList.h"
#include "model/FigureRenderer.h"
#include "model/Palette.h"
#include "model/Random.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

namespace zol::test {
namespace {

constexpr int Dpi = 100;
constexpr double PixelsPerPoint = Dpi / 72.0;

struct Quiet : Prompter {
    void Inform(const std::string&) override {}
    bool Confirm(const std::string&) override { return false; }
};

// The first `count` figures of the sample document: real, differently shaped figures.
void LoadSample(TangramModel& model, int count)
{
    Quiet quiet;
    ASSERT_TRUE(LoadDocument(model, SAMPLE_DOCUMENT, QString(), quiet));
    while (model.figureCount() > count)
        model.RemoveFigure(model.figureCount() - 1);
}

// Appends a figure of pieces heaped on one another, every other one mirrored:
// where a mirrored piece overlaps a plain one the silhouette must stay filled.
void AddHeapedFigure(TangramModel& model)
{
    Figure heap = model.startFigure();
    for (int p = 0; p < model.pieceCount(); ++p) {
        heap.x[p] = 200 + 12 * p;
        heap.y[p] = 220 + 6 * p;
        heap.flip[p] = p % 2 ? -1.0 : 1.0;
    }
    heap.caption = "heap";
    model.SetCurrentFigure(heap);
    model.StoreFigure(-1);
}

std::string RunTool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(60000)) << program.toStdString();
    EXPECT_EQ(process.exitCode(), 0) << program.toStdString() << ": " << process.readAllStandardError().toStdString();
    return process.readAllStandardOutput().toStdString();
}

// Page `page` (from 1) rendered by poppler at Dpi.
QImage Page(const QString& pdf, int page, const QTemporaryDir& dir)
{
    const QString base = dir.filePath(QStringLiteral("page%1").arg(page));
    RunTool("pdftoppm", {"-png", "-r", QString::number(Dpi), "-f", QString::number(page), "-l", QString::number(page),
                     "-singlefile", pdf, base});
    QImage image(base + ".png");
    EXPECT_FALSE(image.isNull()) << "page " << page;
    return image.convertToFormat(QImage::Format_RGB32);
}

QRect PixelRect(const QRectF& points)
{
    return QRectF(points.topLeft() * PixelsPerPoint, points.bottomRight() * PixelsPerPoint).toAlignedRect();
}

// Board pixels the figure covers, white pieces on black as the board draws them.
int BoardPixels(const TangramModel& model, int index)
{
    FigureRenderer renderer(model);
    std::array<ColorRef, MaxPieces> white;
    white.fill(0xFFFFFF);
    renderer.UseColours(0x000000, white);
    const QImage board = renderer.Board(model.ParseFigure(index));
    int count = 0;
    for (int y = 0; y < board.height(); ++y)
        for (int x = 0; x < board.width(); ++x)
            count += (board.pixel(x, y) & 0xFFFFFF) != 0;
    return count;
}

struct Ink {
    double coverage = 0.0; // pixels, partly covered ones counted by their share
    QRect bounds;          // of the pixels at least half covered
};

Ink InkIn(const QImage& page, const QRect& area)
{
    Ink ink;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const double share = (255 - qGray(page.pixel(x, y))) / 255.0;
            ink.coverage += share;
            if (share >= 0.5)
                ink.bounds |= QRect(x, y, 1, 1);
        }
    }
    return ink;
}

class PuzzleSheets : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString Write(const TangramModel& model, int perPage, bool solutions, int expectedPages)
    {
        const QString pdf = dir.filePath(QStringLiteral("sheets.pdf"));
        NoProgress none;
        EXPECT_EQ(WritePuzzleSheets(model, {pdf, perPage, solutions}, none), expectedPages);
        return pdf;
    }
    QTemporaryDir dir;
};

class SilhouetteArea : public PuzzleSheets, public ::testing::WithParamInterface<int> {};

TEST_P(SilhouetteArea, MatchesTheBoardPixelsAtTheCellsScaleAndIsCentred)
{
    const int perPage = GetParam();
    TangramModel model;
    LoadSample(model, 6);
    AddHeapedFigure(model);
    const int pages = (7 + perPage - 1) / perPage;
    const QString pdf = Write(model, perPage, false, pages);
    const std::vector<SheetCell> cells = SheetCells(perPage);
    for (int k = 0; k < model.figureCount(); ++k) {
        SCOPED_TRACE("figure " + std::to_string(k));
        const QImage page = Page(pdf, k / perPage + 1, dir);
        ASSERT_FALSE(page.isNull());
        const SheetCell& cell = cells[k % perPage];
        const SheetFit fit = FitFigure(model, model.ParseFigure(k), cell.figure);
        // The figure's place with a margin of a few pixels, short of the caption below it.
        const Ink ink = InkIn(page, PixelRect(fit.bounds).adjusted(-4, -4, 4, 4));
        const double scale = fit.scale * PixelsPerPoint;
        const double expected = BoardPixels(model, k) * scale * scale;
        EXPECT_NEAR(ink.coverage, expected, 0.02 * expected);

        const QRectF area = PixelRect(cell.figure);
        const QPointF offCentre = QRectF(ink.bounds).center() - area.center();
        EXPECT_LE(std::abs(offCentre.x()), 2.0);
        EXPECT_LE(std::abs(offCentre.y()), 2.0);
        const bool fillsWidth = ink.bounds.width() >= area.width() - 4;
        const bool fillsHeight = ink.bounds.height() >= area.height() - 4;
        EXPECT_TRUE(fillsWidth || fillsHeight) << "the figure is scaled to the cell";
        EXPECT_LE(ink.bounds.width(), area.width() + 2);
        EXPECT_LE(ink.bounds.height(), area.height() + 2);
    }
}

INSTANTIATE_TEST_SUITE_P(Layouts, SilhouetteArea, ::testing::Values(1, 2, 4, 6),
                         [](const auto& info) { return "PerPage" + std::to_string(info.param); });

QRgb ToRgb(ColorRef ref) { return qRgb(ref & 0xFF, (ref >> 8) & 0xFF, (ref >> 16) & 0xFF); }

bool Near(QRgb pixel, ColorRef ref)
{
    const QRgb want = ToRgb(ref);
    return std::abs(qRed(pixel) - qRed(want)) <= 3 && std::abs(qGreen(pixel) - qGreen(want)) <= 3 &&
           std::abs(qBlue(pixel) - qBlue(want)) <= 3;
}

double PolygonArea(const Point* p, int n)
{
    double twice = 0.0;
    for (int j = 0; j < n; ++j)
        twice += double(p[j].x) * p[(j + 1) % n].y - double(p[(j + 1) % n].x) * p[j].y;
    return std::abs(twice) / 2;
}

TEST_F(PuzzleSheets, SolutionPagesFollowTheirPuzzlesWithEveryPieceInItsPaletteColour)
{
    TangramModel model;
    LoadSample(model, 5);
    SeedRandom(7);
    const PaletteParams& palette = FixedPalettes()[2].params; // a random colour for each piece
    model.SetPalette(palette.bgcolor, palette.ho, palette.so, palette.vo, palette.hr, palette.sr, palette.vr);
    for (int a = 0; a < model.pieceCount(); ++a)
        for (int b = a + 1; b < model.pieceCount(); ++b)
            ASSERT_FALSE(Near(ToRgb(model.pieceColor(a)), model.pieceColor(b)))
                << "the seed gives pieces " << a << " and " << b << " alike colours";

    const QString pdf = Write(model, 4, true, 4);
    const std::vector<SheetCell> cells = SheetCells(4);
    for (int k = 0; k < model.figureCount(); ++k) {
        SCOPED_TRACE("figure " + std::to_string(k));
        const QImage page = Page(pdf, 2 * (k / 4) + 2, dir);
        ASSERT_FALSE(page.isNull());
        const SheetCell& cell = cells[k % 4];
        const Figure figure = model.ParseFigure(k);
        const double scale = FitFigure(model, figure, cell.figure).scale * PixelsPerPoint;
        const QRect area = PixelRect(cell.figure);
        for (int piece = 0; piece < model.pieceCount(); ++piece) {
            int pixels = 0;
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x)
                    pixels += Near(page.pixel(x, y), model.pieceColor(piece));
            Point polygon[PolygonCapacity];
            model.FigurePolygon(figure, piece, polygon);
            const double expected = PolygonArea(polygon, model.polygonSize(piece)) * scale * scale;
            // The outline takes a rim of about a point from each piece.
            EXPECT_GT(pixels, 0.75 * expected) << "piece " << piece;
            EXPECT_LT(pixels, 1.05 * expected) << "piece " << piece;
        }
    }
    const QImage puzzles = Page(pdf, 1, dir);
    for (int piece = 0; piece < model.pieceCount(); ++piece) {
        int pixels = 0;
        for (int y = 0; y < puzzles.height(); ++y)
            for (int x = 0; x < puzzles.width(); ++x)
                pixels += Near(puzzles.pixel(x, y), model.pieceColor(piece));
        EXPECT_EQ(pixels, 0) << "a puzzle page gives away piece " << piece;
    }
}

TEST_F(PuzzleSheets, CaptionsAreEmbeddedTextUnderTheirFigures)
{
    TangramModel model;
    LoadSample(model, 3);
    const QString pdf = Write(model, 2, true, 4);
    const std::string fonts = RunTool("pdffonts", {pdf});
    EXPECT_NE(fonts.find("IPAPGothic"), std::string::npos) << fonts;
    // After the two header lines, a line per font ending "emb sub uni object generation".
    const QStringList fontLines = QString::fromStdString(fonts).split('\n', Qt::SkipEmptyParts).mid(2);
    ASSERT_FALSE(fontLines.isEmpty());
    for (const QString& line : fontLines)
        EXPECT_EQ(line.split(' ', Qt::SkipEmptyParts).end()[-5], "yes") << "not embedded: " << line.toStdString();
    const QString text = QString::fromStdString(RunTool("pdftotext", {"-layout", pdf, "-"}));
    const QStringList pages = text.split(QChar('\f'));
    ASSERT_GE(pages.size(), 4);
    const QStringList captions = Captions(model);
    const QString heading = SolutionHeading();
    EXPECT_TRUE(pages[0].contains(captions[0]) && pages[0].contains(captions[1])) << pages[0].toStdString();
    EXPECT_FALSE(pages[0].contains(heading));
    EXPECT_TRUE(pages[1].contains(heading) && pages[1].contains(captions[0]) && pages[1].contains(captions[1]))
        << pages[1].toStdString();
    EXPECT_TRUE(pages[2].contains(captions[2]) && !pages[2].contains(captions[0])) << pages[2].toStdString();
    EXPECT_TRUE(pages[3].contains(heading) && pages[3].contains(captions[2])) << pages[3].toStdString();
}

TEST_F(PuzzleSheets, ProgressCountsEachFigureDrawn)
{
    TangramModel model;
    LoadSample(model, 3);
    RecordedProgress progress;
    WritePuzzleSheets(model, {dir.filePath("p.pdf"), 2, true}, progress);
    EXPECT_EQ(progress.starts, std::vector<int>{6});
    EXPECT_EQ(progress.steps, (std::vector<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(progress.finishes, 1);
}

// --- failures ----------------------------------------------------------------------

class SheetFailure : public PuzzleSheets {
protected:
    // An older file at the target, to see it left whole.
    void SetUp() override
    {
        PuzzleSheets::SetUp();
        QFile file(target);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("old");
    }
    void ExpectOldFileWhole() { EXPECT_EQ(ReadFileBytes(target), "old"); }
    QString target = dir.filePath("old.pdf");
    RecordedProgress progress;
};

TEST_F(SheetFailure, AnEmptyListIsRefused)
{
    TangramModel model;
    LoadSample(model, 0);
    EXPECT_THROW(WritePuzzleSheets(model, {target, 4, false}, progress), NoFiguresError);
    ExpectOldFileWhole();
}

TEST_F(SheetFailure, AnUnwritableFileIsToldBeforeAnyDrawing)
{
    TangramModel model;
    LoadSample(model, 2);
    try {
        WritePuzzleSheets(model, {dir.filePath("no/such/folder/s.pdf"), 4, false}, progress);
        ADD_FAILURE() << "no error";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find("s.pdf"), std::string::npos) << e.what();
    }
    EXPECT_TRUE(progress.starts.empty()) << "the drawing never started";
}

TEST_F(SheetFailure, AFigureThatCannotBeReadLeavesTheOldFile)
{
    TangramModel model;
    LoadSample(model, 3);
    std::vector<std::string> lines = model.figureLines();
    lines[6] = "1,2,3"; // the third figure's placement line
    model.SetFigureLines(lines, model.documentEncoding());
    EXPECT_THROW(WritePuzzleSheets(model, {target, 1, false}, progress), ConversionError);
    ExpectOldFileWhole();
    EXPECT_EQ(progress.finishes, 1) << "the gauge goes away";
}

// --- the layout of a page -------------------------------------------------------

// A cell's whole place: its figure area with the padding round it, and its caption line.
QRectF CellPlace(const SheetCell& cell)
{
    constexpr double Padding = 12.0;
    return cell.figure.adjusted(-Padding, -Padding, Padding, Padding) | cell.caption;
}

class SheetGrid : public ::testing::TestWithParam<int> {};

// The cells fill the page within its half-inch margins; the 12-point gutter
// lies only between neighbouring cells.
TEST_P(SheetGrid, CellsReachTheMarginsWithGuttersOnlyBetweenThem)
{
    constexpr double Margin = 36.0, Gutter = 12.0;
    const QSizeF page = SheetPageSize();
    const std::vector<SheetCell> cells = SheetCells(GetParam());
    ASSERT_EQ(cells.size(), size_t(GetParam()));
    QRectF all;
    for (const SheetCell& cell : cells)
        all |= CellPlace(cell);
    EXPECT_NEAR(all.left(), Margin, 1e-9);
    EXPECT_NEAR(all.top(), Margin, 1e-9);
    EXPECT_NEAR(all.right(), page.width() - Margin, 1e-9);
    EXPECT_NEAR(all.bottom(), page.height() - Margin, 1e-9);
    for (size_t a = 0; a < cells.size(); ++a) {
        for (size_t b = 0; b < cells.size(); ++b) {
            const QRectF p = CellPlace(cells[a]), q = CellPlace(cells[b]);
            if (std::abs(p.top() - q.top()) < 1e-9 && q.left() > p.right()) { // q right of p in a row
                EXPECT_NEAR(q.left() - p.right(), Gutter, 1e-9) << a << " " << b;
            }
            if (std::abs(p.left() - q.left()) < 1e-9 && q.top() > p.bottom()) { // q below p in a column
                EXPECT_GE(q.top() - p.bottom(), Gutter - 1e-9) << a << " " << b;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(PerPage, SheetGrid, ::testing::Values(1, 2, 4, 6),
                         [](const auto& info) { return "perPage" + std::to_string(info.param); });

TEST(SheetLayout, TwoFiguresAPageStandOneAboveTheOther)
{
    const std::vector<SheetCell> cells = SheetCells(2);
    ASSERT_EQ(cells.size(), 2u);
    EXPECT_EQ(cells[0].figure.left(), cells[1].figure.left());
    EXPECT_EQ(cells[0].figure.width(), cells[1].figure.width());
    EXPECT_GT(cells[1].figure.top(), cells[0].caption.bottom());
}

// A figure shorter than its cell has its caption right under it; a tall one
// has it on the cell's own caption line, never lower.
TEST(SheetLayout, CaptionStandsUnderTheFigureWithinItsCell)
{
    const SheetCell cell = SheetCells(1)[0];
    SheetFit shortFigure;
    shortFigure.bounds = QRectF(cell.figure.left(), cell.figure.top() + 100, 200, 150);
    const QRectF under = CaptionPlace(cell, shortFigure);
    EXPECT_NEAR(under.top(), shortFigure.bounds.bottom() + 6, 1e-9);
    EXPECT_EQ(under.height(), cell.caption.height());
    EXPECT_EQ(under.left(), cell.caption.left());
    SheetFit tallFigure; // down to the cell's caption line
    tallFigure.bounds = QRectF(cell.figure.topLeft(), QPointF(cell.figure.right(), cell.caption.top()));
    EXPECT_EQ(CaptionPlace(cell, tallFigure), cell.caption);
}

TEST(SheetRequest, RefusesFiguresPerPageOtherThan1246)
{
    TangramModel model;
    LoadSample(model, 1);
    NoProgress none;
    for (const int perPage : {0, 3, 5, 7, -1})
        EXPECT_THROW(WritePuzzleSheets(model, {"x.pdf", perPage, false}, none), std::invalid_argument) << perPage;
}

} // namespace
} // namespace zol::test

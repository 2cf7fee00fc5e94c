// gTans collections into documents and back: the figures gTans ships import
// within two pixels as tilings of one piece, captions and the document they
// make, and the round trip through an export.
#include "export/GtansTransfer.h"
#include "io/FileError.h"
#include "io/GtansFile.h"
#include "io/TextCodec.h"
#include "model/CommaList.h"
#include "model/GtansFit.h"
#include "model/TangramModel.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace zol {
namespace {

const QString ShippedFolder = QStringLiteral("/usr/share/games/gtans/figures");

struct Vec {
    double x;
    double y;
};
using Polygon = std::vector<Vec>;

Polygon BoardPolygon(const TangramModel& model, const Figure& figure, int i)
{
    Point points[PolygonCapacity];
    model.FigurePolygon(figure, i, points);
    Polygon polygon;
    for (int j = 0; j < model.polygonSize(i); ++j)
        polygon.push_back({double(points[j].x), double(points[j].y)});
    return polygon;
}

double SignedArea(const Polygon& p)
{
    double sum = 0;
    for (size_t i = 0; i < p.size(); ++i) {
        const Vec& a = p[i];
        const Vec& b = p[(i + 1) % p.size()];
        sum += a.x * b.y - b.x * a.y;
    }
    return sum / 2;
}

// The common part of two convex polygons (each piece is convex).
Polygon Intersection(Polygon subject, Polygon clip)
{
    if (SignedArea(clip) < 0)
        std::reverse(clip.begin(), clip.end());
    for (size_t e = 0; e < clip.size() && !subject.empty(); ++e) {
        const Vec a = clip[e];
        const Vec b = clip[(e + 1) % clip.size()];
        const auto side = [&](const Vec& q) { return (b.x - a.x) * (q.y - a.y) - (b.y - a.y) * (q.x - a.x); };
        Polygon kept;
        for (size_t j = 0; j < subject.size(); ++j) {
            const Vec c = subject[j];
            const Vec d = subject[(j + 1) % subject.size()];
            if (side(c) >= 0)
                kept.push_back(c);
            if ((side(c) >= 0) != (side(d) >= 0)) {
                const double t = side(c) / (side(c) - side(d));
                kept.push_back({c.x + t * (d.x - c.x), c.y + t * (d.y - c.y)});
            }
        }
        subject = kept;
    }
    return subject;
}

// How thick the overlap of two pieces is: area over half its perimeter, so a
// sliver along a shared edge is its width.
double OverlapThickness(const Polygon& a, const Polygon& b)
{
    const Polygon common = Intersection(a, b);
    if (common.size() < 3)
        return 0;
    double perimeter = 0;
    for (size_t i = 0; i < common.size(); ++i) {
        const Vec& p = common[i];
        const Vec& q = common[(i + 1) % common.size()];
        perimeter += std::hypot(q.x - p.x, q.y - p.y);
    }
    return perimeter > 0 ? 2 * std::abs(SignedArea(common)) / perimeter : 0;
}

double SegmentDistance(const Vec& p, const Vec& a, const Vec& b)
{
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double length = dx * dx + dy * dy;
    const double t = length > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / length, 0.0, 1.0) : 0.0;
    return std::hypot(a.x + t * dx - p.x, a.y + t * dy - p.y);
}

// How far apart two pieces lie: 0 when they overlap, else the shortest way
// from a vertex of one to an edge of the other.
double Distance(const Polygon& a, const Polygon& b)
{
    if (Intersection(a, b).size() >= 3)
        return 0;
    double nearest = INFINITY;
    for (const auto& [from, to] : {std::pair{&a, &b}, {&b, &a}})
        for (const Vec& p : *from)
            for (size_t j = 0; j < to->size(); ++j)
                nearest = std::min(nearest, SegmentDistance(p, (*to)[j], (*to)[(j + 1) % to->size()]));
    return nearest;
}

// Whether the pieces form one silhouette: each reaches the others through
// pieces that touch (corners included) within the fit's two pixels.
bool Connected(const std::vector<Polygon>& pieces)
{
    std::vector<bool> reached(pieces.size(), false);
    std::vector<size_t> stack{0};
    reached[0] = true;
    while (!stack.empty()) {
        const size_t i = stack.back();
        stack.pop_back();
        for (size_t j = 0; j < pieces.size(); ++j)
            if (!reached[j] && Distance(pieces[i], pieces[j]) <= 2.0) {
                reached[j] = true;
                stack.push_back(j);
            }
    }
    return std::all_of(reached.begin(), reached.end(), [](bool r) { return r; });
}

class ShippedFigures : public ::testing::TestWithParam<const char*> {};

TEST_P(ShippedFigures, ImportWithinTwoPixelsAsOneSilhouette)
{
    const QString path = ShippedFolder + "/" + GetParam() + ".figures";
    if (!QFile::exists(path))
        GTEST_SKIP() << "gTans is not installed (scripts/bootstrap installs it)";
    TangramModel model;
    const GtansImportResult result = ImportGtans(model, path);
    EXPECT_GT(result.figures, 30);
    EXPECT_EQ(model.figureCount(), result.figures);
    EXPECT_LE(result.worstError, 2.0);
    for (int k = 0; k < model.figureCount(); ++k) {
        const Figure figure = model.ParseFigure(k);
        std::vector<Polygon> pieces;
        for (int i = 0; i < model.pieceCount(); ++i)
            pieces.push_back(BoardPolygon(model, figure, i));
        for (size_t i = 0; i < pieces.size(); ++i)
            for (size_t j = i + 1; j < pieces.size(); ++j)
                EXPECT_LE(OverlapThickness(pieces[i], pieces[j]), 1.0)
                    << GetParam() << " figure " << k + 1 << ", pieces " << i << " and " << j;
        EXPECT_TRUE(Connected(pieces)) << GetParam() << " figure " << k + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(Gtans, ShippedFigures, ::testing::Values("alpha", "default", "misc", "similar"),
                         [](const ::testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

class GtansTransfer : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString Write(const char* name, const std::string& text)
    {
        const QString path = dir.filePath(QString::fromUtf8(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.data(), qint64(text.size()));
        return path;
    }
    QTemporaryDir dir;
};

TEST_F(GtansTransfer, ImportMakesANewUnsavedDocumentOfTheBuiltInSet)
{
    TangramModel model;
    model.InstallSetLines({"square", "1", "4,0,0,0,0,10,0,10,10,0,10", "0,0,0,1", "x", "90"}, TextEncoding::Cp932);
    model.ClearFigureList();
    const GtansImportResult result = ImportGtans(model, GTANS_FIXTURE);
    EXPECT_EQ(result.figures, 2);
    EXPECT_EQ(model.pieceSet().name, "tan");
    EXPECT_TRUE(model.modified());
    EXPECT_FALSE(model.hasDocumentFile());
    ASSERT_EQ(model.figureCount(), 2);
    EXPECT_EQ(model.GetFigureCaption(0), "two-figures 1");
    EXPECT_EQ(model.GetFigureCaption(1), "two-figures 2");
}

TEST_F(GtansTransfer, CaptionsTheCodePageCannotHoldMakeAUtf8Document)
{
    QFile::copy(GTANS_FIXTURE, dir.filePath("Ωλ☃.figures"));
    TangramModel model;
    ImportGtans(model, dir.filePath("Ωλ☃.figures"));
    EXPECT_EQ(model.documentEncoding(), TextEncoding::Utf8);
    EXPECT_EQ(DecodeText(model.GetFigureCaption(1), TextEncoding::Utf8), QStringLiteral("Ωλ☃ 2"));
}

TEST_F(GtansTransfer, MalformedFileLeavesTheDocumentAsItWas)
{
    TangramModel model;
    model.StoreFigure(-1);
    const auto lines = model.figureLines();
    try {
        ImportGtans(model, Write("bad.figures", "gTans v1.0 1\n1 1 1024\np 0 0 1 1\n"));
        FAIL() << "a malformed file was read";
    } catch (const ConversionError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("line 3: ", 0), 0u) << e.what();
    }
    EXPECT_EQ(model.figureLines(), lines);
}

TEST_F(GtansTransfer, ExportThenImportGivesTheSamePlacements)
{
    TangramModel model;
    ImportGtans(model, GTANS_FIXTURE);
    const QString exported = dir.filePath("out.figures");
    ExportGtans(model, exported);
    TangramModel again;
    ImportGtans(again, exported);
    ASSERT_EQ(again.figureCount(), model.figureCount());
    for (int k = 0; k < model.figureCount(); ++k)
        EXPECT_EQ(again.figureLines()[2 * k + 2], model.figureLines()[2 * k + 2]) << k;
}

TEST_F(GtansTransfer, ExportRefusesAnotherSetAndBrokenFigures)
{
    TangramModel model;
    model.InstallSetLines({"square", "1", "4,0,0,0,0,10,0,10,10,0,10", "0,0,0,1", "x", "90"}, TextEncoding::Cp932);
    model.ClearFigureList();
    model.StoreFigure(-1);
    const QString out = dir.filePath("out.figures");
    try {
        ExportGtans(model, out);
        FAIL() << "a document of another set was written";
    } catch (const ConversionError& e) {
        EXPECT_EQ(e.message().id, MessageId::GtansOtherSet);
        EXPECT_NE(std::string(e.what()).find("square"), std::string::npos) << e.what();
    }
    TangramModel broken;
    broken.StoreFigure(-1);
    std::vector<std::string> lines = broken.figureLines();
    lines[2] = "1,2,3";
    broken.SetFigureLines(lines, TextEncoding::Cp932);
    EXPECT_THROW(ExportGtans(broken, out), ConversionError);
    EXPECT_FALSE(QFile::exists(out));
}

} // namespace
} // namespace zol

// SVG files of figures read back as XML: the pieces as the board holds them,
// the caption as a title whatever it holds, the frame, the silhouette, file
// names made from captions, and a folder export that fails cleanly.
#include "ExportFixtures.h"

#include "export/PuzzleSheets.h"
#include "export/SvgFigure.h"
#include "export/VectorExport.h"
#include "io/DocumentFile.h"
#include "io/FileError.h"
#include "io/Prompter.h"
#include "io/TextCodec.h"
#include "model/CommaList.h"
#include "model/Palette.h"
#include "model/PlacementLine.h"
#include "model/Random.h"
#include "model/Silhouette.h"
#include "support/SilhouetteFigures.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPolygonF>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace zol::test {
namespace {

struct SvgShape {
    QString name; // polygon or path
    QString geometry; // its points or path data
    QString fill;
    QString stroke;
    QString rule;
};

// What a reader of the file finds in it.
struct ParsedSvg {
    QString error; // empty when the XML is well-formed
    QString title;
    QString viewBox;
    QString width;
    QString height;
    QString background; // the fill of the background rectangle, empty without one
    std::vector<SvgShape> shapes;
};

ParsedSvg Parse(const QByteArray& svg)
{
    ParsedSvg parsed;
    QXmlStreamReader xml(svg);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes a = xml.attributes();
        const QStringView name = xml.name();
        if (name == u"svg") {
            parsed.viewBox = a.value("viewBox").toString();
            parsed.width = a.value("width").toString();
            parsed.height = a.value("height").toString();
        } else if (name == u"title") {
            parsed.title = xml.readElementText();
        } else if (name == u"rect") {
            parsed.background = a.value("fill").toString();
        } else if (name == u"polygon" || name == u"path") {
            parsed.shapes.push_back({name.toString(), a.value(name == u"path" ? "d" : "points").toString(),
                                     a.value("fill").toString(), a.value("stroke").toString(),
                                     a.value("fill-rule").toString()});
        }
    }
    if (xml.hasError())
        parsed.error = xml.errorString();
    return parsed;
}

QString Hex(ColorRef ref)
{
    return QStringLiteral("#%1%2%3")
        .arg(ref & 0xFF, 2, 16, QLatin1Char('0'))
        .arg(ref >> 8 & 0xFF, 2, 16, QLatin1Char('0'))
        .arg(ref >> 16 & 0xFF, 2, 16, QLatin1Char('0'));
}

QString Points(const TangramModel& model, const Figure& figure, int piece)
{
    Point polygon[PolygonCapacity];
    model.FigurePolygon(figure, piece, polygon);
    QStringList points;
    for (int j = 0; j < model.polygonSize(piece); ++j)
        points << QStringLiteral("%1,%2").arg(polygon[j].x).arg(polygon[j].y);
    return points.join(' ');
}

void UsePalette(TangramModel& model, int tag, uint32_t seed = 7)
{
    SeedRandom(seed);
    const PaletteParams& p = FixedPalettes()[static_cast<size_t>(tag)].params;
    model.SetPalette(p.bgcolor, p.ho, p.so, p.vo, p.hr, p.sr, p.vr);
}

QByteArray BoardSvg(const TangramModel& model, VectorStyle style, double scale = 1.0)
{
    return SvgDocument(MakeVectorFigure(model, model.currentFigure(), style), scale);
}

// Picks piece 5 up and puts it down again: it goes to the top of the draw order.
void RaisePiece(TangramModel& model)
{
    Point polygon[PolygonCapacity];
    model.FigurePolygon(model.currentFigure(), 5, polygon);
    int x = 0, y = 0;
    for (int j = 0; j < model.polygonSize(5); ++j) {
        x += polygon[j].x;
        y += polygon[j].y;
    }
    QImage board(BoardSize, BoardSize, QImage::Format_RGB32);
    model.PickPiece(x / model.polygonSize(5), y / model.polygonSize(5), board, true);
    model.ClearSelection();
    ASSERT_EQ(model.drawOrder()[model.pieceCount() - 1], 5) << "the piece was not raised";
}

TEST(SvgFigure, DrawsEachPieceAsAPolygonInDrawOrderAndItsPaletteColour)
{
    TangramModel model;
    UsePalette(model, 2); // a random colour for each piece
    RaisePiece(model);
    const ParsedSvg svg = Parse(BoardSvg(model, VectorStyle::Pieces));
    ASSERT_TRUE(svg.error.isEmpty()) << svg.error.toStdString();
    ASSERT_EQ(svg.shapes.size(), static_cast<size_t>(model.pieceCount()));
    for (int k = 0; k < model.pieceCount(); ++k) {
        const int piece = model.drawOrder()[k];
        SCOPED_TRACE("piece " + std::to_string(piece));
        const SvgShape& shape = svg.shapes[static_cast<size_t>(k)];
        EXPECT_EQ(shape.name, "polygon");
        EXPECT_EQ(shape.geometry, Points(model, model.currentFigure(), piece));
        EXPECT_EQ(shape.fill, Hex(model.pieceColor(piece)));
        EXPECT_EQ(shape.stroke, shape.fill) << "the board's pen is the piece's colour";
        EXPECT_EQ(shape.rule, "evenodd") << "the board fills pieces even-odd";
    }
    EXPECT_EQ(svg.background, Hex(model.backgroundColor()));
}

TEST(SvgFigure, FramesTheFigureWithAMarginOnTheBoardsPixelGrid)
{
    TangramModel model;
    int left = BoardSize, top = BoardSize, right = 0, bottom = 0;
    for (int piece = 0; piece < model.pieceCount(); ++piece) {
        for (int j = 0; j < model.polygonSize(piece); ++j) {
            const Point p = model.boardPolygon(piece)[j];
            left = std::min(left, p.x);
            right = std::max(right, p.x);
            top = std::min(top, p.y);
            bottom = std::max(bottom, p.y);
        }
    }
    const ParsedSvg svg = Parse(BoardSvg(model, VectorStyle::Pieces, 2.5));
    // Board pixel x is the unit square centred on x, as the board's pen draws it.
    const double m = VectorMargin + 0.5;
    const double w = right - left + 2 * m, h = bottom - top + 2 * m;
    EXPECT_EQ(svg.viewBox, QStringLiteral("%1 %2 %3 %4").arg(left - m).arg(top - m).arg(w).arg(h));
    EXPECT_EQ(svg.width, QString::number(2.5 * w));
    EXPECT_EQ(svg.height, QString::number(2.5 * h));
}

TEST(SvgFigure, TheWindowsColourLeavesTheBackgroundTransparent)
{
    TangramModel model;
    UsePalette(model, 6); // black on the workspace colour
    const ParsedSvg svg = Parse(BoardSvg(model, VectorStyle::Pieces));
    EXPECT_TRUE(svg.background.isEmpty());
    for (const SvgShape& shape : svg.shapes)
        EXPECT_EQ(shape.fill, "#000000");
}

// The rings of a path's data ("Mx,y x,y ...Z Mx,y ...Z"), each with its
// signed area (positive clockwise on the screen).
std::vector<double> RingAreas(const QString& pathData)
{
    std::vector<double> areas;
    for (QString ring : pathData.split('Z', Qt::SkipEmptyParts)) {
        ring = ring.trimmed();
        if (!ring.startsWith('M'))
            continue;
        QPolygonF polygon;
        for (const QString& pair : ring.mid(1).split(' ', Qt::SkipEmptyParts))
            polygon << QPointF(pair.section(',', 0, 0).toDouble(), pair.section(',', 1, 1).toDouble());
        double twice = 0.0;
        for (qsizetype j = 0; j < polygon.size(); ++j) {
            const QPointF& a = polygon[j];
            const QPointF& b = polygon[(j + 1) % polygon.size()];
            twice += a.x() * b.y() - b.x() * a.y();
        }
        areas.push_back(twice / 2);
    }
    return areas;
}

TEST(SvgFigure, SilhouetteIsOnePathWithItsHoleFilledEvenOdd)
{
    TangramModel model;
    UsePalette(model, 3);
    model.SetCurrentFigure(ParsePlacementLine(WithHole, model.pieceCount(), 0));
    const ParsedSvg svg = Parse(BoardSvg(model, VectorStyle::Silhouette));
    ASSERT_EQ(svg.shapes.size(), 1u);
    const SvgShape& path = svg.shapes.front();
    EXPECT_EQ(path.name, "path");
    EXPECT_EQ(path.fill, Hex(model.LabelColor())) << "white on black for the random sets";
    EXPECT_EQ(path.rule, "evenodd");
    // The outer outline and the hole, not the seven pieces.
    std::vector<double> areas = RingAreas(path.geometry);
    ASSERT_EQ(areas.size(), 2u) << path.geometry.toStdString();
    std::sort(areas.begin(), areas.end());
    EXPECT_LT(areas[0], 0) << "the hole runs the other way round";
    EXPECT_GT(areas[1], 0);
    const Silhouette silhouette = FigureSilhouette(model.pieceSet(), model.currentFigure());
    EXPECT_NEAR(areas[0] + areas[1], SilhouetteArea(silhouette), 0.01);
}

struct CaptionCase {
    const char* name;
    QString caption;
    QString title; // as an XML reader reads it back
};

void PrintTo(const CaptionCase& c, std::ostream* os) { *os << c.name; }

class SvgTitle : public ::testing::TestWithParam<CaptionCase> {};

TEST_P(SvgTitle, HoldsTheCaptionAndTheFileStaysWellFormed)
{
    TangramModel model;
    model.setDocumentEncoding(TextEncoding::Utf8);
    Figure figure = model.currentFigure();
    figure.caption = GetParam().caption.toStdString();
    const QByteArray bytes = SvgDocument(MakeVectorFigure(model, figure, VectorStyle::Pieces), 1.0);
    const ParsedSvg svg = Parse(bytes);
    ASSERT_TRUE(svg.error.isEmpty()) << svg.error.toStdString() << "\n" << bytes.toStdString();
    EXPECT_EQ(svg.title, GetParam().title);
    EXPECT_TRUE(bytes.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SvgTitle,
    ::testing::Values(CaptionCase{"Japanese", QStringLiteral("白鳥"), QStringLiteral("白鳥")},
                      CaptionCase{"Markup", QStringLiteral("<b>&amp;\"'</title>"), QStringLiteral("<b>&amp;\"'</title>")},
                      CaptionCase{"ControlCharacters", QStringLiteral("a\x01z\x1b"), QStringLiteral("a\uFFFDz\uFFFD")},
                      CaptionCase{"TabKept", QStringLiteral("a\tb"), QStringLiteral("a\tb")}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SvgTitle, DecodesACp932Caption)
{
    TangramModel model; // documents are CP932 unless they are UTF-8
    Figure figure = model.currentFigure();
    figure.caption = *EncodeText(QStringLiteral("ろうそく"), TextEncoding::Cp932);
    const QByteArray bytes = SvgDocument(MakeVectorFigure(model, figure, VectorStyle::Pieces), 1.0);
    EXPECT_EQ(Parse(bytes).title, QStringLiteral("ろうそく"));
    EXPECT_TRUE(bytes.contains(QStringLiteral("ろうそく").toUtf8()));
}

struct NameCase {
    const char* name;
    int number;
    int count;
    QString caption;
    QString file;
};

void PrintTo(const NameCase& c, std::ostream* os) { *os << c.name; }

class SvgFileNames : public ::testing::TestWithParam<NameCase> {};

TEST_P(SvgFileNames, StartWithThePaddedListNumberAndKeepTheCaptionSafe)
{
    EXPECT_EQ(SvgFileName(GetParam().number, GetParam().count, GetParam().caption), GetParam().file);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SvgFileNames,
    ::testing::Values(
        NameCase{"Japanese", 7, 14, QStringLiteral("きつね"), QStringLiteral("07-きつね.svg")},
        NameCase{"ThreeDigits", 12, 140, QStringLiteral("cat"), QStringLiteral("012-cat.svg")},
        NameCase{"NoCaption", 3, 9, QString(), QStringLiteral("3.svg")},
        NameCase{"PathSeparators", 1, 1, QStringLiteral("../a/b\\c"), QStringLiteral("1-_a_b_c.svg")},
        NameCase{"WindowsRefuses", 1, 1, QStringLiteral("a:b*c?\"<>|"), QStringLiteral("1-a_b_c_____.svg")},
        NameCase{"ControlCharacters", 1, 1, QStringLiteral("a\nb\x7f"), QStringLiteral("1-a_b_.svg")},
        NameCase{"OnlyDotsAndSpaces", 1, 1, QStringLiteral(" . . "), QStringLiteral("1.svg")},
        NameCase{"LongCaptionCut", 1, 1, QString(100, QChar(u'猫')), QStringLiteral("1-") + QString(48, QChar(u'猫')) +
                                                                          QStringLiteral(".svg")}),
    [](const auto& info) { return std::string(info.param.name); });

class SvgFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        FillDocument(model, {QStringLiteral("猫"), QStringLiteral("a/b"), QString()});
    }
    QStringList Files() const { return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot); }

    QTemporaryDir dir;
    TangramModel model;
    QString folder = dir.filePath("shapes_svg");
    RecordedProgress progress;
};

TEST_F(SvgFolder, WritesAFilePerFigureInListOrderWithProgress)
{
    const std::vector<QString> written = WriteSvgFolder(model, folder, {}, progress);
    const std::vector<QString> expected{QDir(folder).filePath(QStringLiteral("1-猫.svg")),
                                        QDir(folder).filePath(QStringLiteral("2-a_b.svg")),
                                        QDir(folder).filePath(QStringLiteral("3.svg"))};
    EXPECT_EQ(written, expected);
    EXPECT_EQ(Files().size(), 3) << Files().join(' ').toStdString();
    for (int k = 0; k < 3; ++k) {
        QFile file(expected[static_cast<size_t>(k)]);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        EXPECT_EQ(bytes, SvgDocument(MakeVectorFigure(model, model.ParseFigure(k), VectorStyle::Pieces), 1.0));
    }
    EXPECT_EQ(progress.starts, std::vector<int>{3});
    EXPECT_EQ(progress.steps, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(progress.finishes, 1);
}

TEST_F(SvgFolder, AFileThatCannotBeWrittenIsNamedAndTheFilesBeforeItStay)
{
    ASSERT_TRUE(QDir().mkpath(QDir(folder).filePath(QStringLiteral("2-a_b.svg")))); // a folder in the way
    try {
        WriteSvgFolder(model, folder, {}, progress);
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find("2-a_b.svg"), std::string::npos) << e.what();
    }
    EXPECT_EQ(Files(), QStringList{QStringLiteral("1-猫.svg")}) << "no temporary file is left";
    EXPECT_EQ(progress.finishes, 1) << "the gauge goes away";
}

TEST_F(SvgFolder, AFolderThatCannotBeMadeIsNamed)
{
    const QString nowhere = dir.filePath("no/such/folder");
    try {
        WriteSvgFolder(model, nowhere, {}, progress);
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find(nowhere.toStdString()), std::string::npos) << e.what();
    }
}

TEST_F(SvgFolder, ABrokenFigureStopsTheExportBeforeAnythingIsWritten)
{
    model.SetCurrentFigure(model.startFigure());
    model.StoreFigure(-1);
    FileLines lines = model.figureLines();
    lines.Set(lines.size() - 1, "1,2,3");
    model.SetFigureLines(std::move(lines), model.documentEncoding());
    EXPECT_THROW(WriteSvgFolder(model, folder, {}, progress), ConversionError);
    EXPECT_FALSE(QFileInfo::exists(folder));
}

TEST_F(SvgFolder, AnEmptyListHasNothingToWrite)
{
    model.ClearFigureList();
    EXPECT_THROW(WriteSvgFolder(model, folder, {}, progress), NoFiguresError);
    EXPECT_FALSE(QFileInfo::exists(folder));
}

} // namespace
} // namespace zol::test

// The catalogue: packing figures into strips, the page text, the PNG strips
// and the whole export into a folder.
#include "ExportFixtures.h"

#include "export/Catalogue.h"
#include "export/CataloguePage.h"
#include "export/PngStrip.h"
#include "export/StripPacking.h"
#include "io/FileError.h"
#include "model/Palette.h"
#include "io/LineFile.h"
#include "io/TextCodec.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <png.h>

namespace zol::test {
namespace {

// --- packing -----------------------------------------------------------------------

CatalogueCell Cell(int cropWidth, int captionWidth) { return {{0, 0, cropWidth, 50}, captionWidth}; }

TEST(CatalogueCellWidth, IsTheCropPlus6OrTheCaptionPlus16)
{
    EXPECT_EQ(Cell(127, 40).width(), 133);
    EXPECT_EQ(Cell(40, 40).width(), 56) << "a caption as wide as the crop decides";
    EXPECT_EQ(Cell(40, 100).width(), 116);
}

TEST(CatalogueCrop, WidensTheBoundsWithinTheImage)
{
    EXPECT_EQ(CropOf({10, 10, 50, 60}), (Rect{7, 8, 53, 66}));
    EXPECT_EQ(CropOf({1, 0, 126, 125}), (Rect{0, 0, 127, 127}));
}

struct PackCase {
    const char* name;
    std::vector<CatalogueCell> cells;
    std::vector<Strip> strips;
};

void PrintTo(const PackCase& c, std::ostream* os) { *os << c.name; }

} // namespace
void PrintTo(const Strip& s, std::ostream* os) { *os << "{" << s.first << ".." << s.end << " w" << s.width << "}"; }
namespace {

class Packing : public ::testing::TestWithParam<PackCase> {};

TEST_P(Packing, FillsStripsOfAtMost680Pixels)
{
    EXPECT_EQ(PackStrips(GetParam().cells), GetParam().strips);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Packing,
    ::testing::Values(PackCase{"Empty", {}, {}},
                      // Five cells of 133 make 665 pixels; the sixth starts a strip.
                      PackCase{"FiveWideCropsPerStrip",
                               std::vector<CatalogueCell>(6, Cell(127, 30)),
                               {{0, 5, 665}, {5, 6, 133}}},
                      // Files named after figure counts: 4.png, 8.png, 11.png.
                      PackCase{"FourFourThree",
                               std::vector<CatalogueCell>(11, Cell(150, 30)),
                               {{0, 4, 624}, {4, 8, 624}, {8, 11, 468}}},
                      PackCase{"ExactlyFull", {Cell(334, 0), Cell(334, 0)}, {{0, 2, 680}}},
                      // A caption wider than a strip: a strip of its own, as wide as its cell.
                      PackCase{"OversizeCellAlone",
                               {Cell(100, 20), Cell(50, 700), Cell(100, 20)},
                               {{0, 1, 106}, {1, 2, 716}, {2, 3, 106}}},
                      PackCase{"OversizeFirst", {Cell(50, 700), Cell(50, 700)}, {{0, 1, 716}, {1, 2, 716}}}),
    [](const auto& info) { return std::string(info.param.name); });

// --- the page --------------------------------------------------------------------------

CataloguePage Page(const QString& name, TextEncoding encoding)
{
    return {name, 0xFFFFFF, 0x000000, QStringLiteral("2026/12/10"), encoding, {{0, 4, 600}, {4, 8, 624}, {8, 11, 468}}};
}

TEST(CataloguePageText, HasTheHeadOneImageLinePerStripAndTheTail)
{
    const std::vector<QString> lines = PageLines(Page(QStringLiteral("shapes"), TextEncoding::Cp932));
    const std::vector<QString> expected = {
        R"(<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01//EN" "http://www.w3.org/TR/html4/strict.dtd">)",
        R"(<html lang="ja">)",
        "",
        "<head>",
        "<title>shapes</title>",
        R"(<meta http-equiv="Content-Type" content="text/html;charset=x-sjis">)",
        R"(<meta http-equiv="Content-Style-Type" content="text/css">)",
        "</head>",
        "",
        R"(<body style="background-color:#FFFFFF">)",
        R"(<span style="font-size:24px; color:#000000">shapes</span><br>)",
        R"(<span style="font-size:10px; color:#000000">2026/12/10</span><br>)",
        R"(<div style="text-align:center">)",
        R"( <p><img src="shapes_files\4.png" style="width:600px; height:144px"></p>)",
        R"( <p><img src="shapes_files\8.png" style="width:624px; height:144px"></p>)",
        R"( <p><img src="shapes_files\11.png" style="width:468px; height:144px"></p>)",
        "",
        "</div>",
        "</body>",
        "",
        "</html>",
    };
    EXPECT_EQ(lines, expected);
}

TEST(CataloguePageText, WritesColoursAsRedGreenBlue)
{
    CataloguePage page = Page(QStringLiteral("x"), TextEncoding::Cp932);
    page.background = 0x00332211; // red 11, green 22, blue 33
    page.text = 0x0000FF;
    const std::vector<QString> lines = PageLines(page);
    EXPECT_EQ(lines[9], R"(<body style="background-color:#112233">)");
    EXPECT_EQ(lines[10], R"(<span style="font-size:24px; color:#FF0000">x</span><br>)");
}

TEST(CataloguePageText, EscapesMarkupInTheName)
{
    CataloguePage page = Page(QStringLiteral("a<b>&\"c#1"), TextEncoding::Cp932);
    page.strips = {{0, 1, 100}};
    const std::vector<QString> lines = PageLines(page);
    EXPECT_EQ(lines[4], "<title>a&lt;b&gt;&amp;&quot;c#1</title>");
    EXPECT_EQ(lines[13], R"( <p><img src="a&lt;b&gt;&amp;&quot;c%231_files\1.png" style="width:100px; height:144px"></p>)");
}

TEST(CataloguePageBytes, AreCp932WithXSjisOrUtf8WithUtf8)
{
    const QString name = QStringLiteral("図形");
    const std::string cp932 = PageBytes(Page(name, TextEncoding::Cp932));
    EXPECT_NE(cp932.find("<title>\x90\x7d\x8c\x60</title>\r\n"), std::string::npos);
    EXPECT_NE(cp932.find("charset=x-sjis"), std::string::npos);
    const std::string utf8 = PageBytes(Page(name, TextEncoding::Utf8));
    EXPECT_NE(utf8.find("<title>図形</title>\r\n"), std::string::npos);
    EXPECT_NE(utf8.find("charset=utf-8"), std::string::npos);
    EXPECT_TRUE(utf8.ends_with("</html>\r\n"));
    // A character CP932 cannot hold is written as a reference, not lost.
    EXPECT_NE(PageBytes(Page(QStringLiteral("é"), TextEncoding::Cp932)).find("<title>&#233;</title>"),
              std::string::npos);
}

// --- PNG strips ---------------------------------------------------------------------------

// The kinds of chunk in file order, a run of IDAT chunks counted once: the
// encoder splits the image data wherever its buffer fills.
std::vector<std::string> Chunks(const std::string& png)
{
    std::vector<std::string> chunks;
    for (size_t at = 8; at + 8 <= png.size();) {
        const auto* p = reinterpret_cast<const unsigned char*>(png.data() + at);
        const size_t length = size_t(p[0]) << 24 | size_t(p[1]) << 16 | size_t(p[2]) << 8 | p[3];
        const std::string kind = png.substr(at + 4, 4);
        if (chunks.empty() || kind != "IDAT" || chunks.back() != kind)
            chunks.push_back(kind);
        at += 12 + length;
    }
    return chunks;
}

QImage Pattern()
{
    QImage strip(StripWidth, StripHeight, QImage::Format_RGB32);
    for (int y = 0; y < strip.height(); ++y)
        for (int x = 0; x < strip.width(); ++x)
            strip.setPixel(x, y, qRgb(x % 256, y, (x * 7 + y) % 256));
    return strip;
}

TEST(PngStrip, HoldsTheUsedWidthAsRgbWithOnlyTheCriticalChunks)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("5.png");
    ASSERT_NO_THROW(WritePngStrip(Pattern(), 301, path));
    const std::string bytes = ReadFileBytes(path);
    EXPECT_EQ(Chunks(bytes), (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));
    EXPECT_EQ(bytes[24], 8) << "bit depth";
    EXPECT_EQ(bytes[25], 2) << "colour type RGB";
    QImage read(path);
    ASSERT_EQ(read.size(), QSize(301, StripHeight));
    EXPECT_EQ(read.convertToFormat(QImage::Format_RGB32), Pattern().copy(0, 0, 301, StripHeight));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"5.png"}) << "no temporary file left";
}

// The same rows written the plainest way: RGB bytes handed to libpng with
// every choice left at the library's default.
std::string DefaultPng(const QImage& image, int width)
{
    std::string out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    std::vector<std::vector<png_byte>> rows(static_cast<size_t>(image.height()));
    std::vector<png_bytep> pointers;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < width; ++x) {
            const QRgb pixel = image.pixel(x, y);
            rows[y].insert(rows[y].end(), {png_byte(qRed(pixel)), png_byte(qGreen(pixel)), png_byte(qBlue(pixel))});
        }
        pointers.push_back(rows[y].data());
    }
    png_set_write_fn(
        png, &out,
        [](png_structp p, png_bytep data, png_size_t size) {
            static_cast<std::string*>(png_get_io_ptr(p))->append(reinterpret_cast<const char*>(data), size);
        },
        nullptr);
    png_set_IHDR(png, info, png_uint_32(width), png_uint_32(image.height()), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_write_image(png, pointers.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

// Compression level, filter choice and chunks are all the library's own, so
// a strip comes out as any default writer would make it, byte for byte.
TEST(PngStrip, IsWhatLibpngWritesWithItsDefaults)
{
    QImage strip = Pattern();
    strip.fill(qRgb(0xD8, 0xE8, 0xF8));
    for (int y = 20; y < 100; ++y)
        for (int x = 10 + y; x < 200; ++x)
            strip.setPixel(x, y, qRgb(40, 90 + y, 200));
    for (const QImage& image : {Pattern(), strip}) {
        QTemporaryDir dir;
        const QString path = dir.filePath("7.png");
        ASSERT_NO_THROW(WritePngStrip(image, 457, path));
        EXPECT_TRUE(ReadFileBytes(path) == DefaultPng(image, 457));
    }
}

// The failure names the strip and the system's reason.
TEST(PngStrip, FailsWithoutTouchingWhatIsThere)
{
    QTemporaryDir dir;
    // A folder where the strip should go stays a folder.
    ASSERT_TRUE(QDir(dir.path()).mkdir("2.png"));
    const struct {
        const char* name;
        const char* reason;
    } cases[] = {{"missing/1.png", "No such file or directory"}, {"2.png", "Is a directory"}};
    for (const auto& c : cases) {
        try {
            WritePngStrip(Pattern(), 100, dir.filePath(c.name));
            ADD_FAILURE() << "no error for " << c.name;
        } catch (const FileError& e) {
            EXPECT_EQ(e.message().id, MessageId::WriteFailed);
            EXPECT_EQ(e.message().args, (std::vector<std::string>{dir.filePath(c.name).toStdString(), c.reason}));
        }
    }
    EXPECT_TRUE(QFileInfo(dir.filePath("2.png")).isDir());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{}) << "no temporary file left";
}

// --- the whole export ----------------------------------------------------------------------

class CatalogueExport : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        base = dir.filePath("shapes");
    }
    CatalogueResult Write()
    {
        return WriteCatalogue(model, {base, false, QStringLiteral("2026/12/10")}, progress);
    }
    QTemporaryDir dir;
    QString base;
    TangramModel model;
    RecordedProgress progress;
};

TEST_F(CatalogueExport, WritesStripsNamedByFigureCountAndThePageListingThem)
{
    // Twelve solved squares with short captions: 127-pixel crops, 133-pixel cells.
    QStringList captions;
    for (int i = 0; i < 12; ++i)
        captions << QStringLiteral("f%1").arg(i);
    FillDocument(model, captions, std::vector<int>(12, 0));
    model.setZoomPercent(400);
    const std::vector<std::string> lines = model.figureLines();
    const Figure board = model.GetCurrentFigure();
    const CatalogueResult result = Write();
    EXPECT_FALSE(result.stripError);
    EXPECT_FALSE(result.pageError);
    EXPECT_EQ(QDir(base + "_files").entryList(QDir::Files, QDir::Name),
              (QStringList{"10.png", "12.png", "5.png"}));
    const std::string page = ReadFileBytes(base + ".htm");
    EXPECT_NE(page.find("<img src=\"shapes_files\\5.png\" style=\"width:665px; height:144px\">"), std::string::npos);
    EXPECT_NE(page.find("<img src=\"shapes_files\\12.png\" style=\"width:266px; height:144px\">"), std::string::npos);
    EXPECT_EQ(model.figureLines(), lines);
    EXPECT_FALSE(model.modified());
    EXPECT_EQ(model.GetCurrentFigure(), board);
    EXPECT_EQ(progress.starts, std::vector<int>{12});
    EXPECT_EQ(progress.steps.back(), 12);
    EXPECT_EQ(progress.finishes, 1);
}

TEST_F(CatalogueExport, StripsShowTheFiguresAboveTheirCaptions)
{
    FillDocument(model, {"a", "b"}, {0, 0});
    Write();
    const QImage strip = QImage(base + "_files/2.png").convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(strip.isNull());
    // The solved square seen at quarter size: 40 pixels wide, centred in its cell.
    const int crop = 40 + 6;
    ASSERT_EQ(strip.width(), 2 * (crop + 6));
    EXPECT_EQ(strip.pixel(3 + crop / 2, 100), qRgb(255, 255, 255)) << "figure 0";
    EXPECT_EQ(strip.pixel(crop + 6 + 3 + crop / 2, 100), qRgb(255, 255, 255)) << "figure 1";
    EXPECT_EQ(strip.pixel(3 + crop / 2, 10), qRgb(0, 0, 0)) << "background above";
    bool captionDrawn = false;
    for (int y = CaptionTop; y < StripHeight; ++y)
        for (int x = 0; x < crop; ++x)
            captionDrawn = captionDrawn || strip.pixel(x, y) != qRgb(0, 0, 0);
    EXPECT_TRUE(captionDrawn);
}

// The captions in the strips have the colour the page gives its texts, for
// every palette, the coloured ones among them.
TEST_F(CatalogueExport, CaptionsInTheStripsHaveThePagesTextColour)
{
    std::vector<std::pair<std::string, PaletteParams>> palettes;
    for (const FixedPalette& fixed : FixedPalettes())
        palettes.emplace_back(fixed.caption, fixed.params);
    palettes.emplace_back("orange on black", PaletteParams{0x000000, 20, 0, 255, 0, 255, 0});
    palettes.emplace_back("blue on yellow", PaletteParams{0x00FFFF, 85, 0, 255, 0, 200, 0});
    for (const auto& [name, p] : palettes) {
        SCOPED_TRACE(name);
        FillDocument(model, {QStringLiteral("■■")}, {0});
        model.SetPalette(p.bgcolor, p.ho, p.so, p.vo, p.hr, p.sr, p.vr);
        ASSERT_FALSE(Write().stripFailed());
        const std::string page = ReadFileBytes(base + ".htm");
        const size_t at = page.find("; color:#"); // the texts', not the background's
        ASSERT_NE(at, std::string::npos);
        const std::string hex = page.substr(at + 9, 6);
        const QRgb text = QString::fromStdString(hex).toUInt(nullptr, 16) | 0xFF000000;
        const QImage strip = QImage(base + "_files/1.png").convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(strip.isNull());
        int textPixels = 0;
        for (int y = CaptionTop; y < StripHeight; ++y)
            for (int x = 0; x < strip.width(); ++x)
                textPixels += strip.pixel(x, y) == text;
        EXPECT_GT(textPixels, 20) << "page text #" << hex;
    }
}

TEST_F(CatalogueExport, AFailedStripStopsTheStripsButThePageIsWritten)
{
    QStringList captions;
    for (int i = 0; i < 12; ++i)
        captions << QStringLiteral("f%1").arg(i);
    FillDocument(model, captions, std::vector<int>(12, 0));
    model.setZoomPercent(400);
    ASSERT_TRUE(QDir().mkpath(base + "_files/10.png"));
    const CatalogueResult result = Write();
    ASSERT_TRUE(result.stripError);
    EXPECT_EQ(result.stripError->args,
              (std::vector<std::string>{QDir(base + "_files").filePath("10.png").toStdString(), "Is a directory"}));
    EXPECT_EQ(result.strips, std::vector<QString>{QDir(base + "_files").filePath("5.png")});
    const std::string page = ReadFileBytes(base + ".htm");
    EXPECT_NE(page.find("shapes_files\\5.png"), std::string::npos);
    EXPECT_EQ(page.find("shapes_files\\10.png"), std::string::npos);
    EXPECT_EQ(page.find("shapes_files\\12.png"), std::string::npos) << "later strips are not tried";
    EXPECT_FALSE(QFile::exists(base + "_files/12.png"));
}

TEST_F(CatalogueExport, OfAnEmptyDocumentIsAPageWithoutStrips)
{
    FillDocument(model, {});
    const CatalogueResult result = Write();
    EXPECT_TRUE(result.strips.empty());
    const std::string page = ReadFileBytes(base + ".htm");
    EXPECT_NE(page.find("<div style=\"text-align:center\">\r\n\r\n</div>"), std::string::npos);
}

TEST_F(CatalogueExport, ReportsAPageThatCannotBeWritten)
{
    FillDocument(model, {"a"});
    ASSERT_TRUE(QDir().mkpath(base + ".htm"));
    const CatalogueResult result = Write();
    ASSERT_TRUE(result.pageError.has_value());
    EXPECT_EQ(result.pageError->id, MessageId::WriteFailed);
    EXPECT_FALSE(result.stripError);
}

TEST_F(CatalogueExport, DrawnOnWorkersWritesTheSameFilesAsOneThread)
{
    // Several strips of figures at different places with captions of
    // different widths, so a strip written in another's place or drawn with
    // another's cells would differ.
    QStringList captions;
    std::vector<int> shifts;
    for (int i = 0; i < 23; ++i) {
        captions << QStringLiteral("figure %1 %2").arg(i).arg(QString(i % 4, QLatin1Char('w')));
        shifts.push_back(7 * i % 60);
    }
    FillDocument(model, captions, shifts);
    model.setZoomPercent(250);
    const auto filesOf = [&](const QString& name, int threads) {
        const QString sub = dir.filePath(name);
        EXPECT_TRUE(QDir().mkpath(sub));
        const CatalogueResult result =
            WriteCatalogue(model, {sub + "/shapes", true, QStringLiteral("2026/12/10"), threads}, progress);
        EXPECT_FALSE(result.stripError);
        std::vector<std::pair<QString, std::string>> files{{"shapes.htm", ReadFileBytes(sub + "/shapes.htm")}};
        for (const QString& strip : QDir(sub + "/shapes_files").entryList(QDir::Files, QDir::Name))
            files.emplace_back(strip, ReadFileBytes(sub + "/shapes_files/" + strip));
        return files;
    };
    const auto one = filesOf("one", 1);
    ASSERT_GT(one.size(), 4u) << "several strips";
    EXPECT_EQ(filesOf("four", 4), one);
    EXPECT_EQ(filesOf("cores", 0), one);
}

TEST(CatalogueBaseOf, IsTheDocumentsFolderAndNameWithoutExtension)
{
    EXPECT_EQ(CatalogueBase("/a/b/shapes.zol"), "/a/b/shapes");
    EXPECT_EQ(CatalogueBase("/a/b/my.shapes.zol"), "/a/b/my.shapes");
}

} // namespace
} // namespace zol::test

#include "GoldenImage.h"
#include "ModelFixtures.h"

#include "model/FigureRenderer.h"
#include "model/Palette.h"
#include "model/Random.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace zol;
using namespace zol::test;

namespace {

const QRgb Black = qRgb(0, 0, 0);
const QRgb WhitePixel = qRgb(255, 255, 255);

// A 40-pixel axis-parallel square with its pivot at its top-left corner.
const std::string Square40 = "4,0,0,0,0,40,0,40,40,0,40";

// Width of the first run of piece pixels met walking right along row y.
int EdgeThickness(const QImage& image, int y, QRgb colour)
{
    int x = 0;
    while (x < image.width() && image.pixel(x, y) != colour)
        ++x;
    int run = 0;
    while (x + run < image.width() && image.pixel(x + run, y) == colour)
        ++run;
    return run;
}

struct PenCase {
    double scale;
    int zoom;
    int penWidth;
};

class PenWidth : public ::testing::TestWithParam<PenCase> {};

TEST_P(PenWidth, GrowsToTwoWhenTheDrawingIsEnlarged)
{
    const PenCase& c = GetParam();
    TangramModel model;
    InstallPieces(model, {Square40}, "0,0,0,1");
    UseWhiteOnBlack(model);
    Place(model, 0, 236, 236);
    model.SelectInRect(0, 0, 511, 511); // hollow, so the outline shows alone
    model.setZoomPercent(c.zoom);
    QImage image = Bitmap(int(512 * c.scale));
    model.DrawFigure(-1, c.scale, image, Background::Fill);
    EXPECT_EQ(EdgeThickness(image, image.height() / 2, WhitePixel), c.penWidth)
        << "scale " << c.scale << " zoom " << c.zoom;
}

INSTANTIATE_TEST_SUITE_P(ScaleTimesZoom, PenWidth,
                         ::testing::Values(PenCase{1.0, 100, 1}, PenCase{1.0, 101, 2}, PenCase{1.0, 115, 2},
                                           PenCase{0.125, 100, 1}, PenCase{0.125, 200, 1}, PenCase{1.5, 100, 2},
                                           PenCase{0.5, 201, 2}, PenCase{2.0, 50, 1}),
                         [](const auto& info) {
                             // "Scale0p125Zoom200": the decimal point spelled p
                             std::string scale = std::to_string(info.param.scale);
                             scale.erase(scale.find_last_not_of('0') + 1);
                             if (scale.back() == '.')
                                 scale.pop_back();
                             std::replace(scale.begin(), scale.end(), '.', 'p');
                             return "Scale" + scale + "Zoom" + std::to_string(info.param.zoom);
                         });

class Drawing : public ::testing::Test {
protected:
    // Two 40-pixel squares overlapping in a 20-pixel square.
    void SetUp() override
    {
        InstallPieces(model, {Square40, Square40}, "0,0,0,1,0,0,0,1");
        Place(model, 0, 100, 100);
        Place(model, 1, 120, 120);
        SeedRandom(3);
        model.SetPalette(0x000000, 0, 255, 255, 256, 0, 0); // random hues
        ASSERT_NE(model.pieceColor(0), model.pieceColor(1));
    }
    QImage draw()
    {
        QImage image = Bitmap(BoardSize);
        model.DrawFigure(-1, 1.0, image, Background::Fill);
        return image;
    }
    QRgb colour(int piece) const { return ToRgb(model.pieceColor(piece)); }

    TangramModel model;
};

TEST_F(Drawing, FillsTheBackgroundAndDrawsPiecesInTheirColours)
{
    const QImage image = draw();
    EXPECT_EQ(image.pixel(0, 0), Black);
    EXPECT_EQ(image.pixel(511, 511), Black);
    EXPECT_EQ(image.pixel(105, 105), colour(0));
    EXPECT_EQ(image.pixel(155, 155), colour(1));
    EXPECT_EQ(image.pixel(100, 100), colour(0)); // the outline is in the piece colour
    EXPECT_EQ(image.pixel(140, 140), colour(0));
    EXPECT_EQ(image.pixel(141, 141), colour(1));
}

TEST_F(Drawing, TheLastPieceOfTheDrawOrderCoversTheOthers)
{
    ASSERT_EQ(model.drawOrder()[1], 0);
    EXPECT_EQ(draw().pixel(130, 130), colour(0));
    QImage scratch = Bitmap(BoardSize);
    model.PickPiece(150, 150, scratch, true); // piece 1 comes to the top
    model.ClearSelection();
    EXPECT_EQ(draw().pixel(130, 130), colour(1));
}

TEST_F(Drawing, SelectedPiecesShowOnlyTheirOutline)
{
    model.SelectInRect(155, 155, 160, 160); // piece 1 alone
    ASSERT_EQ(model.selection(), 1);
    QImage image = draw();
    EXPECT_EQ(image.pixel(155, 155), Black);
    EXPECT_EQ(image.pixel(160, 140), colour(1));
    EXPECT_EQ(image.pixel(120, 130), colour(1)); // selecting brought it to the top
    EXPECT_EQ(image.pixel(130, 130), colour(0)); // piece 0 shows through it

    model.SelectInRect(0, 0, 511, 511); // the group: both hollow
    image = draw();
    EXPECT_EQ(image.pixel(110, 110), Black);
    EXPECT_EQ(image.pixel(155, 155), Black);
}

TEST_F(Drawing, KeepBackgroundDrawsOverWhatIsThere)
{
    QImage image = Bitmap(BoardSize);
    model.DrawFigure(-1, 1.0, image, Background::Keep);
    EXPECT_EQ(image.pixel(0, 0), qRgb(1, 2, 3));
    EXPECT_EQ(image.pixel(105, 105), colour(0));
}

TEST_F(Drawing, WorkspaceBackgroundIsDrawnInTheWindowColour)
{
    model.SetPalette(WorkspaceColor, 0, 0, 0, 0, 0, 0);
    model.setWorkspaceRgb(0x405060);
    EXPECT_EQ(draw().pixel(0, 0), qRgb(0x60, 0x50, 0x40));
}

TEST_F(Drawing, ZoomScalesAboutTheCentreOfTheDrawnArea)
{
    // At 200 % a point 156 pixels left of the centre lands at 256 - 312 < 0;
    // piece 1's vertex (160, 160) lands at (64, 64).
    model.setZoomPercent(200);
    const QImage image = draw();
    EXPECT_EQ(image.pixel(64, 64), colour(1));
    EXPECT_EQ(image.pixel(66, 66), Black);
    EXPECT_EQ(image.pixel(0, 0), colour(0));
}

TEST_F(Drawing, ListFigureIsDrawnWithoutDisturbingTheBoard)
{
    Place(model, 0, 300, 300);
    model.StoreFigure(-1);
    Place(model, 0, 100, 100);
    model.SelectInRect(99, 99, 101, 101); // piece 0 selected on the board
    ASSERT_EQ(model.selection(), 0);
    const ModelState board = Capture(model);

    QImage listed = Bitmap(BoardSize);
    model.DrawFigure(0, 1.0, listed, Background::Fill);
    EXPECT_EQ(listed.pixel(305, 305), colour(0)); // filled: list figures carry no selection
    EXPECT_EQ(listed.pixel(105, 105), Black);

    ModelState expected = board;
    expected.selection = -1;
    EXPECT_EQ(Capture(model), expected);
}

// The background goes down first: a list line that cannot be drawn leaves an
// empty picture, not the one the bitmap showed before.
TEST_F(Drawing, BadListIndexOrLineLeavesTheBackgroundAndKeepsTheBoard)
{
    std::vector<std::string> lines = model.figureLines();
    lines.push_back("caption");
    lines.push_back("1,2,3");
    model.SetFigureLines(lines, TextEncoding::Cp932);
    model.SelectInRect(99, 99, 101, 101);
    const ModelState board = Capture(model);
    QImage outOfRange = Bitmap(BoardSize);
    EXPECT_THROW(model.DrawFigure(1, 1.0, outOfRange, Background::Fill), std::out_of_range);
    QImage malformed = Bitmap(BoardSize);
    EXPECT_THROW(model.DrawFigure(0, 1.0, malformed, Background::Fill), ConversionError);
    QImage empty = Bitmap(BoardSize);
    empty.fill(Black);
    EXPECT_EQ(outOfRange, empty);
    EXPECT_EQ(malformed, empty);
    EXPECT_EQ(Capture(model), board);
}

// The guide image of a board that shows one white 4 x 4 square on black.
class Guide : public ::testing::Test {
protected:
    void SetUp() override
    {
        InstallPieces(model, {"4,0,0,0,0,3,0,3,3,0,3"}, "0,0,0,1");
        UseWhiteOnBlack(model);
    }
    QImage render(int x, int y, int guideSize = GuideSize, bool antialias = true)
    {
        Place(model, 0, x, y);
        QImage board = Bitmap(BoardSize);
        QImage guide = Bitmap(guideSize);
        model.RenderBoard(-1, board, guide, antialias);
        EXPECT_EQ(board.pixel(x, y), WhitePixel);
        EXPECT_EQ(board.pixel(x + 3, y + 3), WhitePixel);
        EXPECT_EQ(board.pixel(x + 4, y + 4), Black);
        return guide;
    }
    int pixelsOf(const QImage& image, QRgb colour)
    {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += image.pixel(x, y) == colour;
        return count;
    }
    TangramModel model;
};

TEST_F(Guide, AlignedSquareBecomesOneWhitePixel)
{
    const QImage guide = render(8, 8);
    EXPECT_EQ(guide.pixel(2, 2), WhitePixel);
    EXPECT_EQ(pixelsOf(guide, Black), 128 * 128 - 1);
}

TEST_F(Guide, ShiftedSquareSpreadsOverFourPixelsOfAQuarter)
{
    const QImage guide = render(10, 10);
    const QRgb quarter = qRgb(63, 63, 63);
    for (const auto& [x, y] : {std::pair{2, 2}, {3, 2}, {2, 3}, {3, 3}})
        EXPECT_EQ(guide.pixel(x, y), quarter) << x << "," << y;
    EXPECT_EQ(pixelsOf(guide, Black), 128 * 128 - 4);
}

TEST_F(Guide, GammaLiftsTheQuarterThroughTheTable)
{
    model.SetGamma(2.2);
    EXPECT_EQ(render(10, 10).pixel(3, 3), qRgb(134, 134, 134));
}

TEST_F(Guide, OtherSizesAndAntialiasOffStretchWithoutMixing)
{
    QImage guide = render(16, 16, 64);
    EXPECT_EQ(guide.pixel(2, 2), WhitePixel); // board pixel (16, 16)
    EXPECT_EQ(pixelsOf(guide, WhitePixel), 1);
    EXPECT_EQ(pixelsOf(guide, Black), 64 * 64 - 1);
    guide = render(10, 10, GuideSize, false);
    EXPECT_EQ(guide.pixel(3, 3), WhitePixel); // board pixel (12, 12)
    EXPECT_EQ(guide.pixel(2, 2), Black);      // board pixel (8, 8)
    EXPECT_EQ(pixelsOf(guide, WhitePixel), 1);
}

TEST(Gamma, OutOfRangeValuesBuildTheTableFor2Point2)
{
    TangramModel reference;
    reference.SetGamma(2.2);
    for (double g : {0.5, 3.5, 0.999, -1.0}) {
        TangramModel model;
        model.SetGamma(g);
        EXPECT_EQ(model.gamma(), 2.2) << g;
        EXPECT_EQ(model.gammaTable(), reference.gammaTable()) << g;
    }
}

TEST(Gamma, TableEntries)
{
    TangramModel model;
    for (int i = 0; i < 256; ++i)
        ASSERT_EQ(model.gammaTable()[i], i) << "construction builds the identity";
    struct Row {
        double gamma;
        std::array<int, 7> entries; // at 1, 2, 3, 63, 128, 200, 254
    };
    const Row rows[] = {{2.2, {1, 20, 28, 134, 186, 228, 254}},
                        {3.0, {1, 40, 50, 159, 202, 235, 255}},
                        {1.5, {1, 6, 10, 99, 160, 216, 254}}};
    for (const Row& row : rows) {
        model.SetGamma(row.gamma);
        EXPECT_EQ(model.gamma(), row.gamma);
        const auto& t = model.gammaTable();
        EXPECT_EQ((std::array<int, 7>{t[1], t[2], t[3], t[63], t[128], t[200], t[254]}), row.entries) << row.gamma;
        EXPECT_EQ(t[0], 0);
        EXPECT_EQ(t[255], 255);
    }
    model.SetGamma(1.0);
    for (int i = 0; i < 256; ++i)
        ASSERT_EQ(model.gammaTable()[i], i) << "1.0 restores the identity";
}

// Random figures of the built-in set in random colours, at the scales and
// zooms the editor uses, against the plainest rendering: one QPainter polygon
// per piece, as drawn points computed here. Any faster way of painting must
// keep every pixel.
class RandomFigures : public ::testing::Test {
protected:
    Figure randomFigure(std::mt19937& rng) const
    {
        Figure figure = model.currentFigure();
        for (int i = 0; i < 7; ++i)
            figure.setPlacement(i, {int(rng() % 700) - 90, int(rng() % 700) - 90, int(rng() % 720),
                                    rng() % 2 ? 1.0 : -1.0});
        return figure;
    }
    void scatter(std::mt19937& rng)
    {
        model.SetCurrentFigure(randomFigure(rng));
        model.SetPalette(0x000000, 0, 128, 128, 256, 128, 128);
    }
    QImage reference(double s)
    {
        QImage image(int(512 * s), int(512 * s), QImage::Format_RGB32);
        image.fill(ToRgb(model.backgroundColor()));
        QPainter painter(&image);
        const double c = 256 * s;
        for (int k = 0; k < model.pieceCount(); ++k) {
            const int p = model.drawOrder()[k];
            const QColor colour = QColor::fromRgb(ToRgb(model.pieceColor(p)));
            painter.setPen(QPen(colour, model.zoomPercent() * s > 100 ? 2 : 1));
            painter.setBrush(model.isSelected(p) ? QBrush(Qt::NoBrush) : QBrush(colour));
            QPolygon polygon;
            for (const Point& v : Polygon(model, p))
                polygon << QPoint(int((int(v.x * s) - c) * model.zoomPercent() * 0.01 + c),
                                  int((int(v.y * s) - c) * model.zoomPercent() * 0.01 + c));
            painter.drawPolygon(polygon, Qt::OddEvenFill);
        }
        return image;
    }
    TangramModel model;
};

TEST_F(RandomFigures, DrawFigurePaintsWhatPlainPolygonCallsPaint)
{
    std::mt19937 rng(2024);
    const std::pair<double, int> views[] = {{1.0, 100}, {1.0, 115}, {0.125, 100}, {0.25, 200}, {1.5, 60}};
    for (int round = 0; round < 40; ++round) {
        scatter(rng);
        if (round % 3 == 0)
            model.SelectInRect(0, 0, 300, 300);
        const auto [s, zoom] = views[round % 5];
        model.setZoomPercent(zoom);
        QImage drawn = Bitmap(int(512 * s));
        model.DrawFigure(-1, s, drawn, Background::Fill);
        ASSERT_EQ(drawn, reference(s)) << "round " << round;
    }
}

// A figure handed to the renderer by value is drawn as it would look on the
// board without selection marks, while the board figure and its selection stay.
TEST_F(RandomFigures, RendererDrawsAnyFigureAsTheBoardWouldShowIt)
{
    std::mt19937 rng(99);
    for (int round = 0; round < 20; ++round) {
        scatter(rng);
        model.SelectInRect(0, 0, 300, 300);
        const double s = round % 2 ? 1.0 : 0.125;
        model.setZoomPercent(round % 4 < 2 ? 100 : 133);
        const Figure other = randomFigure(rng);
        TangramModel shown = model;
        shown.SetCurrentFigure(other);
        QImage expected = Bitmap(int(512 * s));
        shown.DrawFigure(-1, s, expected, Background::Fill);
        const ModelState board = Capture(model);

        QImage drawn = Bitmap(int(512 * s));
        FigureRenderer(model).DrawFigure(other, s, drawn, Background::Fill);
        ASSERT_EQ(drawn, expected) << "round " << round;
        ASSERT_EQ(Capture(model), board) << "round " << round;
    }
}

TEST_F(RandomFigures, GuideIsTheMeanOfEach4x4BlockThroughTheTable)
{
    std::mt19937 rng(7);
    model.SetGamma(2.2);
    for (int round = 0; round < 10; ++round) {
        scatter(rng);
        QImage board = Bitmap(BoardSize);
        QImage guide = Bitmap(GuideSize);
        model.RenderBoard(-1, board, guide, true);
        for (int gy = 0; gy < GuideSize; ++gy) {
            for (int gx = 0; gx < GuideSize; ++gx) {
                int sum[3] = {0, 0, 0};
                for (int y = 4 * gy; y < 4 * gy + 4; ++y) {
                    for (int x = 4 * gx; x < 4 * gx + 4; ++x) {
                        sum[0] += qRed(board.pixel(x, y));
                        sum[1] += qGreen(board.pixel(x, y));
                        sum[2] += qBlue(board.pixel(x, y));
                    }
                }
                const auto& t = model.gammaTable();
                ASSERT_EQ(guide.pixel(gx, gy), qRgb(t[sum[0] / 16], t[sum[1] / 16], t[sum[2] / 16]))
                    << gx << "," << gy << " round " << round;
            }
        }
    }
}

TEST(RenderBoard, OtherPixelFormatsGiveTheSamePicture)
{
    TangramModel model;
    PlaceStartFigure(model);
    QImage board = Bitmap(BoardSize), guide = Bitmap(GuideSize);
    model.RenderBoard(-1, board, guide, true);
    QImage board24(BoardSize, BoardSize, QImage::Format_RGB888);
    QImage guide24(GuideSize, GuideSize, QImage::Format_RGB888);
    model.RenderBoard(-1, board24, guide24, true);
    EXPECT_EQ(board24.convertToFormat(QImage::Format_RGB32), board);
    EXPECT_EQ(guide24.format(), QImage::Format_RGB888);
    EXPECT_EQ(guide24.convertToFormat(QImage::Format_RGB32), guide);
    QImage empty;
    model.RenderBoard(-1, board, empty, true); // nothing to reduce into
    model.RenderBoard(-1, empty, guide, false);
    EXPECT_TRUE(empty.isNull());
}

// Pictures of the built-in set; a changed pixel anywhere shows up here.
class Pictures : public ::testing::Test {
protected:
    void SetUp() override
    {
        SeedRandom(11);
        model.SetPalette(0x000000, 200, 172, 156, 55, 83, 99); // leaves on black
        PlaceStartFigure(model);
        Place(model, 5, 300, 330, 45);           // a large triangle askew over the square
        Place(model, 4, 140, 120, 90, -1.0);     // the parallelogram mirrored, apart
        Place(model, 2, 400, 400, 30);           // the square turned, apart
    }
    TangramModel model;
};

TEST_F(Pictures, Board)
{
    QImage board = Bitmap(BoardSize);
    model.DrawFigure(-1, 1.0, board, Background::Fill);
    EXPECT_TRUE(MatchesGolden(board, "board"));
}

TEST_F(Pictures, BoardZoomedWithASelectedGroup)
{
    model.SelectInRect(170, 170, 300, 300);
    ASSERT_EQ(model.selection(), -2);
    model.setZoomPercent(115);
    QImage board = Bitmap(BoardSize);
    model.DrawFigure(-1, 1.0, board, Background::Fill);
    EXPECT_TRUE(MatchesGolden(board, "board-zoom115-group"));
}

TEST_F(Pictures, Thumbnail)
{
    QImage cell = Bitmap(64);
    model.DrawFigure(-1, 0.125, cell, Background::Fill);
    EXPECT_TRUE(MatchesGolden(cell, "thumbnail"));
}

TEST_F(Pictures, GuideWithGamma)
{
    model.SetGamma(2.2);
    QImage board = Bitmap(BoardSize);
    QImage guide = Bitmap(GuideSize);
    model.RenderBoard(-1, board, guide, true);
    EXPECT_TRUE(MatchesGolden(guide, "guide-gamma22"));
}

} // namespace

// A percentage typed into the zoom box can be any integer; drawing stays
// defined (no overflowing cast), and a huge zoom of a square whose corner lies
// at the centre fills a whole quarter of the board.
TEST_F(Drawing, HugeZoomStaysDrawable)
{
    Place(model, 0, 256, 256);
    Place(model, 1, 256, 256);
    for (int zoom : {1000, 1000000, 999999999, -999999999}) {
        model.setZoomPercent(zoom);
        const QImage image = draw();
        int covered = 0;
        for (int y = 0; y < image.height(); y += 8)
            for (int x = 0; x < image.width(); x += 8)
                covered += image.pixel(x, y) != Black;
        EXPECT_GE(covered, 64 * 64 / 4 - 64) << "zoom " << zoom;
    }
}

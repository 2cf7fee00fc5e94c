#include "model/FigureRenderer.h"
#include "model/Reduction.h"

#include <QImage>
#include <QPainter>
#include <QPen>

#include <vector>

namespace zol {

namespace {

QColor ToQColor(uint32_t ref) { return QColor(ref & 0xFF, (ref >> 8) & 0xFF, (ref >> 16) & 0xFF); }

// Nearest-pixel stretch of the whole source into the whole target.
void Stretch(const QImage& source, QImage& target)
{
    const int sw = source.width(), sh = source.height();
    const int tw = target.width(), th = target.height();
    // The source column of each target column, divided out once per image.
    std::vector<int> columns(static_cast<size_t>(tw));
    for (int x = 0; x < tw; ++x)
        columns[static_cast<size_t>(x)] = static_cast<int>(int64_t(x) * sw / tw);
    for (int y = 0; y < th; ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(int64_t(y) * sh / th));
        auto* out = reinterpret_cast<QRgb*>(target.scanLine(y));
        for (int x = 0; x < tw; ++x)
            out[x] = in[columns[static_cast<size_t>(x)]];
    }
}

// Each guide pixel takes the mean of its 4 x 4 board pixels, byte by byte,
// through the gamma table. A sum of 16 bytes (at most 4080) fits in 16 bits,
// so red and blue are summed side by side in one word.
void Antialias(const QImage& board, QImage& guide, const std::array<int, 256>& gamma)
{
    for (int gy = 0; gy < GuideSize; ++gy) {
        std::array<uint32_t, GuideSize> redBlue{};
        std::array<uint32_t, GuideSize> green{}; // still shifted by 8 bits
        for (int k = 0; k < 4; ++k) {
            const auto* row = reinterpret_cast<const QRgb*>(board.constScanLine(4 * gy + k));
            for (int gx = 0; gx < GuideSize; ++gx) {
                const QRgb* p = row + 4 * gx;
                redBlue[gx] +=
                    (p[0] & 0x00FF00FF) + (p[1] & 0x00FF00FF) + (p[2] & 0x00FF00FF) + (p[3] & 0x00FF00FF);
                green[gx] += (p[0] & 0xFF00) + (p[1] & 0xFF00) + (p[2] & 0xFF00) + (p[3] & 0xFF00);
            }
        }
        auto* out = reinterpret_cast<QRgb*>(guide.scanLine(gy));
        for (int gx = 0; gx < GuideSize; ++gx) {
            const uint32_t red = gamma[(redBlue[gx] >> 16) / 16] & 0xFF;
            const uint32_t greenByte = gamma[(green[gx] >> 8) / 16] & 0xFF;
            const uint32_t blue = gamma[(redBlue[gx] & 0xFFFF) / 16] & 0xFF;
            out[gx] = 0xFF000000u | red << 16 | greenByte << 8 | blue;
        }
    }
}

// The antialiasing reduction needs exactly a 512 board and a 128 guide; any
// other sizes are stretched.
void Reduce(const QImage& board, QImage& guide, GuideReduction reduction, const std::array<int, 256>& gamma)
{
    if (reduction == GuideReduction::Antialias && guide.width() == GuideSize && guide.height() == GuideSize &&
        board.width() == BoardSize && board.height() == BoardSize)
        Antialias(board, guide, gamma);
    else
        Stretch(board, guide);
}

} // namespace

void ReduceBoard(const QImage& board, QImage& guide, bool antialias, const std::array<int, 256>& gamma)
{
    if (board.isNull() || guide.isNull())
        return;
    const GuideReduction reduction = antialias ? GuideReduction::Antialias : GuideReduction::Stretch;
    if (board.depth() == 32 && guide.depth() == 32) {
        Reduce(board, guide, reduction, gamma);
        return;
    }
    // The reductions work on whole 32-bit pixels; other formats go through copies.
    QImage guide32(guide.size(), QImage::Format_RGB32);
    Reduce(board.convertToFormat(QImage::Format_RGB32), guide32, reduction, gamma);
    guide = guide32.convertToFormat(guide.format());
}

FigureRenderer::FigureRenderer(const TangramModel& model) : model_(model), background_(model.backgroundColor())
{
    for (int i = 0; i < MaxPieces; ++i)
        colours_[i] = model.pieceColor(i);
}

void FigureRenderer::UseColours(ColorRef background, const std::array<ColorRef, MaxPieces>& pieces)
{
    background_ = background;
    colours_ = pieces;
}

void FigureRenderer::FillBackground(QImage& image) const
{
    // Filling the image directly is a plain memory fill, cheaper than a
    // painter's rectangle.
    image.fill(ToQColor(model_.Resolve(background_)));
}

void FigureRenderer::DrawBoardFigure(double scale, QImage& image, Background background) const
{
    if (background == Background::Fill)
        FillBackground(image);
    paint(nullptr, scale, image);
}

void FigureRenderer::DrawFigure(const Figure& figure, double scale, QImage& image, Background background) const
{
    if (background == Background::Fill)
        FillBackground(image);
    paint(&figure, scale, image);
}

// The board figure (listFigure null) comes from the model's polygons and shows
// its selection; a list figure has its polygons computed here.
void FigureRenderer::paint(const Figure* listFigure, double s, QImage& image) const
{
    if (image.isNull())
        return;
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    // A clip of exactly the image changes no pixel, but lets the raster
    // engine write outline pixels directly instead of one span call per
    // pixel (several times faster on diagonal edges).
    painter.setClipRect(image.rect());
    QPen pen(Qt::black, model_.zoomPercent() * s > 100 ? 2 : 1);
    Point polygon[PolygonCapacity];
    QPoint points[PolygonCapacity];
    for (int k = 0; k < model_.pieceCount(); ++k) {
        const int p = model_.drawOrder()[k];
        const QColor colour = ToQColor(colours_[p]);
        pen.setColor(colour);
        painter.setPen(pen);
        if (!listFigure && model_.isSelected(p))
            painter.setBrush(Qt::NoBrush);
        else
            painter.setBrush(colour);
        const Point* board = model_.boardPolygon(p);
        if (listFigure) {
            model_.FigurePolygon(*listFigure, p, polygon);
            board = polygon;
        }
        const int n = model_.polygonSize(p);
        for (int j = 0; j < n; ++j) {
            const Point d = model_.DrawnPoint(board[j], s);
            points[j] = QPoint(d.x, d.y);
        }
        painter.drawPolygon(points, n, Qt::OddEvenFill);
    }
}

void FigureRenderer::ReduceBoard(const QImage& board, QImage& guide, GuideReduction reduction) const
{
    zol::ReduceBoard(board, guide, reduction == GuideReduction::Antialias, model_.gammaTable());
}

QImage FigureRenderer::Board(const Figure& figure) const
{
    QImage board(BoardSize, BoardSize, QImage::Format_RGB32);
    DrawFigure(figure, 1.0, board, Background::Fill);
    return board;
}

QImage FigureRenderer::Guide(const Figure& figure, GuideReduction reduction) const
{
    QImage guide(GuideSize, GuideSize, QImage::Format_RGB32);
    ReduceBoard(Board(figure), guide, reduction);
    return guide;
}

} // namespace zol

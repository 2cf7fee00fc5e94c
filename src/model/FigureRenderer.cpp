#include "model/FigureRenderer.h"
#include "model/Reduction.h"

#include <QImage>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <climits>
#include <cwchar>

namespace zol {

namespace {

QColor ToQColor(uint32_t ref) { return QColor(ref & 0xFF, (ref >> 8) & 0xFF, (ref >> 16) & 0xFF); }

// A run of equal pixels. Where the C library's wide characters are 32 bits,
// its wide fill is a vectorised memory fill, several times faster than a
// plain loop over rows of a few hundred pixels.
void FillPixels(QRgb* pixels, int count, QRgb value)
{
    if constexpr (sizeof(wchar_t) == sizeof(QRgb))
        std::wmemset(reinterpret_cast<wchar_t*>(pixels), static_cast<wchar_t>(value), static_cast<size_t>(count));
    else
        std::fill_n(pixels, count, value);
}

} // namespace

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

void FigureRenderer::FillBackground(QImage& image, const QRect& area) const
{
    const QRect r = area & image.rect();
    if (r.isEmpty())
        return;
    if (r == image.rect() || !HasQRgbPixels(image)) {
        FillBackground(image);
        return;
    }
    const QRgb pixel = backgroundPixel();
    for (int y = r.top(); y <= r.bottom(); ++y)
        FillPixels(reinterpret_cast<QRgb*>(image.scanLine(y)) + r.left(), r.width(), pixel);
}

QRgb FigureRenderer::backgroundPixel() const { return ToQColor(model_.Resolve(background_)).rgb(); }

QRect FigureRenderer::DrawBoardFigure(double scale, QImage& image, Background background) const
{
    if (background == Background::Fill)
        FillBackground(image);
    return paint(nullptr, scale, image);
}

QRect FigureRenderer::DrawFigure(const Figure& figure, double scale, QImage& image, Background background) const
{
    if (background == Background::Fill)
        FillBackground(image);
    return paint(&figure, scale, image);
}

// The board figure (listFigure null) comes from the model's polygons and shows
// its selection; a list figure has its polygons computed here.
QRect FigureRenderer::paint(const Figure* listFigure, double s, QImage& image) const
{
    if (image.isNull())
        return {};
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    // A clip of exactly the image changes no pixel, but lets the raster
    // engine write outline pixels directly instead of one span call per
    // pixel (several times faster on diagonal edges).
    painter.setClipRect(image.rect());
    const int penWidth = model_.zoomPercent() * s > 100 ? 2 : 1;
    QPen pen(Qt::black, penWidth);
    Point polygon[PolygonCapacity];
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
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
            left = std::min(left, d.x);
            right = std::max(right, d.x);
            top = std::min(top, d.y);
            bottom = std::max(bottom, d.y);
        }
        painter.drawPolygon(points, n, Qt::OddEvenFill);
    }
    if (left > right)
        return {};
    // The pen reaches past the corner points: half its width to the side,
    // a square cap, and a miter of at most twice its width at sharp corners.
    const int reach = 4 * penWidth + 2;
    return QRect(QPoint(left - reach, top - reach), QPoint(right + reach, bottom + reach)) & image.rect();
}

void FigureRenderer::ReduceBoard(const QImage& board, QImage& guide, GuideReduction reduction) const
{
    zol::ReduceBoard(board, guide, reduction == GuideReduction::Antialias, model_.gammaTable());
}

void FigureRenderer::ReduceBoard(const QImage& board, QImage& guide, GuideReduction reduction,
                                 const QRect& drawn) const
{
    const PlainOutside known{drawn, backgroundPixel()};
    zol::ReduceBoard(board, guide, reduction == GuideReduction::Antialias, model_.gammaTable(), &known);
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

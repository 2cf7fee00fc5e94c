#include "model/FigureRenderer.h"
#include "model/ColourValue.h"
#include "model/Reduction.h"

#include <QImage>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <climits>
#include <cwchar>
#include <utility>

namespace zol {

namespace {

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

void FigureRenderer::FillBackground(QImage& image, const DrawnAreas& areas) const
{
    const QRect all = areas.all & image.rect();
    if (all.isEmpty())
        return;
    if (!HasQRgbPixels(image)) {
        FillBackground(image);
        return;
    }
    const QRgb pixel = backgroundPixel();
    std::array<QRect, MaxPieces> clipped;
    int count = 0;
    for (int i = 0; i < areas.count; ++i) {
        const QRect r = areas.pieces[i] & image.rect();
        if (!r.isEmpty())
            clipped[count++] = r;
    }
    // Per row, the spans of the areas crossing it, sorted by their left end
    // and merged where they overlap or touch.
    std::array<std::pair<int, int>, MaxPieces> spans;
    uchar* const bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    for (int y = all.top(); y <= all.bottom(); ++y) {
        int n = 0;
        for (int i = 0; i < count; ++i) {
            if (clipped[i].top() <= y && y <= clipped[i].bottom())
                spans[n++] = {clipped[i].left(), clipped[i].right()};
        }
        std::sort(spans.begin(), spans.begin() + n);
        QRgb* row = reinterpret_cast<QRgb*>(bits + y * stride);
        for (int i = 0; i < n;) {
            const int left = spans[i].first;
            int right = spans[i].second;
            for (++i; i < n && spans[i].first <= right + 1; ++i)
                right = std::max(right, spans[i].second);
            FillPixels(row + left, right - left + 1, pixel);
        }
    }
}

QRgb FigureRenderer::backgroundPixel() const { return ToQColor(model_.Resolve(background_)).rgb(); }

QRect FigureRenderer::DrawBoardFigure(double scale, QImage& image, Background background, DrawnAreas* areas) const
{
    if (background == Background::Fill)
        FillBackground(image);
    return paint(nullptr, scale, image, areas);
}

QRect FigureRenderer::DrawFigure(const Figure& figure, double scale, QImage& image, Background background,
                                 DrawnAreas* areas) const
{
    if (background == Background::Fill)
        FillBackground(image);
    return paint(&figure, scale, image, areas);
}

// The board figure (listFigure null) comes from the model's polygons and shows
// its selection; a list figure has its polygons computed here.
QRect FigureRenderer::paint(const Figure* listFigure, double s, QImage& image, DrawnAreas* areas) const
{
    if (areas)
        *areas = DrawnAreas{};
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
    // The pen reaches past the corner points: half its width to the side,
    // a square cap, and a miter of at most twice its width at sharp corners.
    const int reach = 4 * penWidth + 2;
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
        int pieceLeft = INT_MAX, pieceTop = INT_MAX, pieceRight = INT_MIN, pieceBottom = INT_MIN;
        for (int j = 0; j < n; ++j) {
            const Point d = model_.DrawnPoint(board[j], s);
            points[j] = QPoint(d.x, d.y);
            pieceLeft = std::min(pieceLeft, d.x);
            pieceRight = std::max(pieceRight, d.x);
            pieceTop = std::min(pieceTop, d.y);
            pieceBottom = std::max(pieceBottom, d.y);
        }
        painter.drawPolygon(points, n, Qt::OddEvenFill);
        if (pieceLeft > pieceRight)
            continue;
        left = std::min(left, pieceLeft);
        right = std::max(right, pieceRight);
        top = std::min(top, pieceTop);
        bottom = std::max(bottom, pieceBottom);
        if (areas)
            areas->pieces[areas->count++] = QRect(QPoint(pieceLeft - reach, pieceTop - reach),
                                                  QPoint(pieceRight + reach, pieceBottom + reach)) & image.rect();
    }
    if (left > right)
        return {};
    const QRect all = QRect(QPoint(left - reach, top - reach), QPoint(right + reach, bottom + reach)) & image.rect();
    if (areas)
        areas->all = all;
    return all;
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

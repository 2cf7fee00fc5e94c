#include "model/TangramModel.h"

#include <QImage>
#include <QPainter>
#include <QPen>

#include <array>
#include <cmath>
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
        columns[x] = static_cast<int>(int64_t(x) * sw / tw);
    for (int y = 0; y < th; ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(int64_t(y) * sh / th));
        auto* out = reinterpret_cast<QRgb*>(target.scanLine(y));
        for (int x = 0; x < tw; ++x)
            out[x] = in[columns[x]];
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
void Reduce(const QImage& board, QImage& guide, bool antialias, const std::array<int, 256>& gamma)
{
    if (antialias && guide.width() == GuideSize && guide.height() == GuideSize && board.width() == BoardSize &&
        board.height() == BoardSize)
        Antialias(board, guide, gamma);
    else
        Stretch(board, guide);
}

} // namespace

uint32_t TangramModel::resolve(ColorRef c) const { return c == WorkspaceColor ? workspaceRgb_ : c; }

bool TangramModel::isSelected(int piece) const
{
    return piece == selection_ || (selection_ == -2 && groupFlags_[piece]);
}

void TangramModel::DrawFigure(int index, double s, QImage& bitmap, bool keepBackground)
{
    Figure parked;
    if (index != -1) {
        parked = current_;
        LoadFigure(index);
    }
    // Filling the image directly is a plain memory fill, cheaper than a
    // painter's rectangle.
    if (!keepBackground)
        bitmap.fill(ToQColor(resolve(background_)));
    if (!bitmap.isNull()) {
        QPainter painter(&bitmap);
        painter.setRenderHint(QPainter::Antialiasing, false);
        // A clip of exactly the bitmap changes no pixel, but lets the raster
        // engine write outline pixels directly instead of one span call per
        // pixel (several times faster on diagonal edges).
        painter.setClipRect(bitmap.rect());
        QPen pen(Qt::black, zoomPercent_ * s > 100 ? 2 : 1);
        QPoint points[PolygonCapacity];
        for (int k = 0; k < set_.pieceCount; ++k) {
            const int p = drawOrder_[k];
            const QColor colour = ToQColor(pieceColors_[p]);
            pen.setColor(colour);
            painter.setPen(pen);
            if (isSelected(p))
                painter.setBrush(Qt::NoBrush);
            else
                painter.setBrush(colour);
            const int n = polygonSize(p);
            for (int j = 0; j < n; ++j) {
                const Point d = drawnPoint(polygons_[p][j], s);
                points[j] = QPoint(d.x, d.y);
            }
            painter.drawPolygon(points, n, Qt::OddEvenFill);
        }
    }
    if (index != -1)
        SetCurrentFigure(parked);
}

void TangramModel::RenderBoard(int index, QImage& board, QImage& guide, bool antialias)
{
    DrawFigure(index, 1.0, board, false);
    if (board.isNull() || guide.isNull())
        return;
    if (board.depth() == 32 && guide.depth() == 32) {
        Reduce(board, guide, antialias, gammaTable_);
        return;
    }
    // The reductions work on whole 32-bit pixels; other formats go through copies.
    QImage guide32(guide.size(), QImage::Format_RGB32);
    Reduce(board.convertToFormat(QImage::Format_RGB32), guide32, antialias, gammaTable_);
    guide = guide32.convertToFormat(guide.format());
}


void TangramModel::SetGamma(double g)
{
    if (g < 1.0 || g > 3.0 || std::isnan(g))
        g = 2.2;
    gamma_ = g;
    for (int i = 0; i < 256; ++i)
        gammaTable_[i] = i;
    if (g == 1.0)
        return;
    int level = 1;
    for (double x = 0.0; x < 1.0; x += 0.0005) {
        if (static_cast<int>(256 * std::pow(x, g)) == level) {
            ++level;
            if (level <= 255)
                gammaTable_[level] = static_cast<int>(256 * x);
        }
    }
    gammaTable_[0] = 0;
    gammaTable_[255] = 255;
}

} // namespace zol

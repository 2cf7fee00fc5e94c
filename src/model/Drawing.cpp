#include "model/TangramModel.h"

#include <QImage>
#include <QPainter>
#include <QPen>

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
    for (int y = 0; y < th; ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(int64_t(y) * sh / th));
        auto* out = reinterpret_cast<QRgb*>(target.scanLine(y));
        for (int x = 0; x < tw; ++x)
            out[x] = in[int64_t(x) * sw / tw];
    }
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
    {
        QPainter painter(&bitmap);
        painter.setRenderHint(QPainter::Antialiasing, false);
        if (!keepBackground)
            painter.fillRect(bitmap.rect(), ToQColor(resolve(background_)));
        const int penWidth = zoomPercent_ * s > 100 ? 2 : 1;
        const double c = 256 * s;
        QPoint points[PolygonCapacity];
        for (int k = 0; k < set_.pieceCount; ++k) {
            const int p = drawOrder_[k];
            const QColor colour = ToQColor(pieceColors_[p]);
            painter.setPen(QPen(colour, penWidth));
            if (isSelected(p))
                painter.setBrush(Qt::NoBrush);
            else
                painter.setBrush(colour);
            const int n = polygonSize(p);
            for (int j = 0; j < n; ++j) {
                const int sx = static_cast<int>(polygons_[p][j].x * s);
                const int sy = static_cast<int>(polygons_[p][j].y * s);
                points[j] = QPoint(static_cast<int>((sx - c) * zoomPercent_ * 0.01 + c),
                                   static_cast<int>((sy - c) * zoomPercent_ * 0.01 + c));
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
    if (!antialias || guide.width() != GuideSize || guide.height() != GuideSize || board.width() != BoardSize ||
        board.height() != BoardSize) {
        Stretch(board, guide);
        return;
    }
    // Sums of 4 x 4 board pixels per guide pixel, one plane per colour byte.
    std::vector<int> sums(3 * GuideSize * GuideSize, 0);
    for (int y = 0; y < BoardSize; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(board.constScanLine(y));
        int* cell = &sums[3 * (y / 4) * GuideSize];
        for (int x = 0; x < BoardSize; x += 4) {
            int b = 0, g = 0, r = 0;
            for (int k = 0; k < 4; ++k) {
                const QRgb px = row[x + k];
                b += px & 0xFF;
                g += (px >> 8) & 0xFF;
                r += (px >> 16) & 0xFF;
            }
            cell[0] += b;
            cell[1] += g;
            cell[2] += r;
            cell += 3;
        }
    }
    const int* cell = sums.data();
    for (int y = 0; y < GuideSize; ++y) {
        auto* out = reinterpret_cast<QRgb*>(guide.scanLine(y));
        for (int x = 0; x < GuideSize; ++x, cell += 3) {
            const uint32_t b = gammaTable_[cell[0] / 16] & 0xFF;
            const uint32_t g = gammaTable_[cell[1] / 16] & 0xFF;
            const uint32_t r = gammaTable_[cell[2] / 16] & 0xFF;
            out[x] = 0xFF000000u | (r << 16) | (g << 8) | b;
        }
    }
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

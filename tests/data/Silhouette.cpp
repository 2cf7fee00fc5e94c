#include "Silhouette.h"

#include "model/TangramModel.h"

#include <vector>

namespace zol::datacheck {

QImage DrawSilhouette(TangramModel& model)
{
    QImage board(BoardSize, BoardSize, QImage::Format_RGB32);
    model.SetPalette(0xFFFFFF, 0, 0, 0, 0, 0, 0); // white board, black pieces
    model.DrawFigure(-1, 1.0, board, Background::Fill);
    return board;
}

int CountSlitPixels(const QImage& silhouette)
{
    const int w = silhouette.width();
    const int h = silhouette.height();
    auto isBackground = [&](int x, int y) {
        return (reinterpret_cast<const QRgb*>(silhouette.constScanLine(y))[x] & 0xFFFFFF) == 0xFFFFFF;
    };
    // Flood the background from the border; what it cannot reach is enclosed.
    std::vector<char> reached(static_cast<size_t>(w) * h, 0);
    std::vector<int> pending;
    for (int x = 0; x < w; ++x) {
        pending.push_back(x);
        pending.push_back((h - 1) * w + x);
    }
    for (int y = 0; y < h; ++y) {
        pending.push_back(y * w);
        pending.push_back(y * w + w - 1);
    }
    while (!pending.empty()) {
        const int at = pending.back();
        pending.pop_back();
        const int x = at % w;
        const int y = at / w;
        if (reached[at] || !isBackground(x, y))
            continue;
        reached[at] = 1;
        if (x > 0)
            pending.push_back(at - 1);
        if (x < w - 1)
            pending.push_back(at + 1);
        if (y > 0)
            pending.push_back(at - w);
        if (y < h - 1)
            pending.push_back(at + w);
    }
    auto isFigure = [&](int x, int y) { return x >= 0 && y >= 0 && x < w && y < h && !isBackground(x, y); };
    int slit = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (!isBackground(x, y))
                continue;
            const bool enclosed = !reached[y * w + x];
            const bool pinched = (isFigure(x - 1, y) && isFigure(x + 1, y)) || (isFigure(x, y - 1) && isFigure(x, y + 1));
            slit += enclosed || pinched;
        }
    return slit;
}

} // namespace zol::datacheck

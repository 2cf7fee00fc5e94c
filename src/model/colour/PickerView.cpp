#include "model/colour/PickerView.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zol {

const std::array<int, 256>& PickerCosines()
{
    static const std::array<int, 256> table = [] {
        std::array<int, 256> t{};
        for (int i = 0; i < 256; ++i)
            t[i] = static_cast<int>(std::cos(2 * std::numbers::pi * i / 256) * 512.5);
        return t;
    }();
    return table;
}

TurnedPoint Turn(int x, int y, int angle)
{
    const auto& cosT = PickerCosines();
    const int c = cosT[angle & 255];
    const int s = cosT[(angle + 192) & 255];
    return {(x * c - y * s) / 512, (x * s + y * c) / 512};
}

namespace {

ColourSquare Project(const Hsv& hsv, int ax, int ay, int z)
{
    const auto& cosT = PickerCosines();
    const int c = hsv.s * hsv.v / 255;
    const TurnedPoint p1 = Turn(0, c, hsv.h + ax);
    const int h = 2 * hsv.v - 255 - c * (cosT[(hsv.h + 80) % 256] + 1600) / 1600;
    const TurnedPoint p2 = Turn(h, p1.x, ay);
    ColourSquare q;
    q.nearness = p2.y + 600;
    q.sx = p1.y * q.nearness * z / 28000 + 128;
    q.sy = 128 - p2.x * q.nearness * z / 28000;
    q.size = q.nearness / 80;
    return q;
}

} // namespace

PickerProjection ProjectColours(const TColors& colours, const PickerBars& bars)
{
    PickerProjection view;
    view.squares.reserve(colours.size());
    for (const NamedColour& colour : colours)
        view.squares.push_back(Project(colour.hsv, 2 * bars.sbx, 2 * bars.sby, bars.sbz));
    view.order.resize(colours.size());
    for (size_t i = 0; i < colours.size(); ++i)
        view.order[i] = static_cast<int>(i);
    // Equal nearness keeps the table's order.
    std::stable_sort(view.order.begin(), view.order.end(), [&](int a, int b) {
        return view.squares[a].nearness < view.squares[b].nearness;
    });
    return view;
}

int SquareAt(const PickerProjection& view, int x, int y)
{
    for (auto k = view.order.rbegin(); k != view.order.rend(); ++k) {
        const ColourSquare& q = view.squares[*k];
        if (x >= q.sx && x < q.sx + q.size && y >= q.sy && y < q.sy + q.size)
            return *k;
    }
    return -1;
}

bool IsFieldClick(const PickerProjection& view, uint32_t pixel, int x, int y)
{
    return pixel == PickerGrey && SquareAt(view, x, y) < 0;
}

std::array<TurnedPoint, 7> PointerArrow(const ColourSquare& square)
{
    const int cx = square.sx + square.size / 2;
    const int cy = square.sy + square.size / 2;
    const int dx = cx < 128 ? -1 : 1;
    const int dy = cy <= 128 ? 1 : -1;
    return {{{cx, cy},
             {cx + 2 * dx, cy - 8 * dy},
             {cx + 2 * dx, cy - 2 * dy},
             {cx + 8 * dx, cy - 2 * dy},
             {cx, cy},
             {cx + 10 * dx, cy - 10 * dy},
             {cx, cy}}};
}

} // namespace zol

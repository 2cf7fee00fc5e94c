#pragma once
// A figure as vector shapes, for the SVG and TikZ writers: each piece's board
// polygon in its palette colour, in draw order, or the silhouette as one
// outline in one colour; the caption; and where it lies on the board.

#include "model/Figure.h"

#include <QPolygonF>
#include <QRectF>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace zol {

class TangramModel;

enum class VectorStyle { Pieces, Silhouette };

// One filled area, outlined with a pen of one board pixel in its own colour:
// the board draws every piece with that pen, which gives the figure its
// extent on the board and closes the hairline gaps between touching pieces.
// Every shape is filled even-odd, as the board fills pieces and holes.
struct VectorShape {
    std::vector<QPolygonF> rings; // board pixels, y pointing down
    uint32_t rgb = 0;             // 0xRRGGBB
    int piece = -1; // the piece's index in its set; -1 for the silhouette
};

struct VectorFigure {
    QString caption;
    // The palette's background; none for the window's own colour, which
    // stands for a transparent background.
    std::optional<uint32_t> background;
    std::vector<VectorShape> shapes; // bottom first
    QRectF frame;                    // the bounds of every vertex, the pen and a margin
};

// Board pixels between the figure's outermost vertex and the frame.
inline constexpr double VectorMargin = 4.0;

// The figure drawn as the board draws it (without the zoom, which belongs to
// the window, and without selection marks), in the model's palette and draw
// order. The silhouette takes the palette's label colour, which shows on the
// background.
VectorFigure MakeVectorFigure(const TangramModel& model, const Figure& figure, VectorStyle style);

// The ring running the way round that gives it a positive shoelace area
// (clockwise on the screen, y pointing down). Rings that all run one way fill
// their union under the non-zero rule; a mirrored piece runs the other way
// and would cancel out where it overlaps another.
QPolygonF ClockwiseRing(QPolygonF ring);

// A number with at most `decimals` places and no trailing zeros: "12", "12.5",
// "-0.125". Never an exponent, which TikZ cannot read.
QString DecimalText(double value, int decimals);

} // namespace zol

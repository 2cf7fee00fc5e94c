#include "export/VectorFigure.h"

#include "io/TextCodec.h"
#include "model/ColourValue.h"
#include "model/Silhouette.h"
#include "model/TangramModel.h"

#include <algorithm>
#include <cmath>

namespace zol {

namespace {

QPolygonF PiecePolygon(const TangramModel& model, const Figure& figure, int piece)
{
    Point points[PolygonCapacity];
    model.FigurePolygon(figure, piece, points);
    QPolygonF polygon;
    for (int j = 0; j < model.polygonSize(piece); ++j)
        polygon << QPointF(points[j].x, points[j].y);
    return polygon;
}

// The silhouette as one path: outer outlines and holes, filled even-odd.
VectorShape SilhouetteShape(const TangramModel& model, const Figure& figure)
{
    VectorShape shape{{}, SwapRedBlue(model.Resolve(model.LabelColor())), -1};
    constexpr double unit = Silhouette::Unit;
    for (const Silhouette::Ring& ring : FigureSilhouette(model.pieceSet(), figure).rings) {
        QPolygonF polygon;
        polygon.reserve(static_cast<qsizetype>(ring.size()));
        for (const Point& p : ring)
            polygon << QPointF(p.x / unit, p.y / unit);
        shape.rings.push_back(polygon);
    }
    return shape;
}

QRectF Frame(const std::vector<VectorShape>& shapes)
{
    QRectF bounds;
    for (const VectorShape& shape : shapes)
        for (const QPolygonF& ring : shape.rings)
            bounds |= ring.boundingRect();
    // Whole board pixels, each centred on its integer point as the board's
    // pen is: a frame at half pixels shows the figure on the board's grid.
    const double reach = VectorMargin + 0.5;
    return QRectF(QPointF(std::floor(bounds.left()) - reach, std::floor(bounds.top()) - reach),
                  QPointF(std::ceil(bounds.right()) + reach, std::ceil(bounds.bottom()) + reach));
}

} // namespace

VectorFigure MakeVectorFigure(const TangramModel& model, const Figure& figure, VectorStyle style)
{
    VectorFigure vector;
    vector.caption = DecodeText(figure.caption, model.documentEncoding());
    if (model.backgroundColor() != WorkspaceColor)
        vector.background = SwapRedBlue(model.backgroundColor());
    if (style == VectorStyle::Silhouette) {
        vector.shapes.push_back(SilhouetteShape(model, figure));
    } else {
        for (int k = 0; k < model.pieceCount(); ++k) {
            const int piece = model.drawOrder()[k];
            vector.shapes.push_back(
                {{PiecePolygon(model, figure, piece)}, SwapRedBlue(model.Resolve(model.pieceColor(piece))), piece});
        }
    }
    vector.frame = Frame(vector.shapes);
    return vector;
}

QPolygonF ClockwiseRing(QPolygonF ring)
{
    double twice = 0.0;
    for (qsizetype j = 0; j < ring.size(); ++j) {
        const QPointF& a = ring[j];
        const QPointF& b = ring[(j + 1) % ring.size()];
        twice += a.x() * b.y() - b.x() * a.y();
    }
    if (twice < 0)
        std::reverse(ring.begin(), ring.end());
    return ring;
}

QString DecimalText(double value, int decimals)
{
    QString text = QString::number(value, 'f', decimals);
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    if (text == QLatin1String("-0"))
        text = QStringLiteral("0");
    return text;
}

} // namespace zol

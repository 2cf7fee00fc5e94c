#include "export/SvgFigure.h"

#include "export/CaptionText.h"

#include <QXmlStreamWriter>

namespace zol {

namespace {

QString Colour(uint32_t rgb) { return QStringLiteral("#%1").arg(rgb, 6, 16, QLatin1Char('0')); }

// Coordinates of a whole-pixel placement are integers; a silhouette's are
// eighths of a pixel.
QString Number(double value) { return DecimalText(value, 3); }

QString Points(const QPolygonF& ring)
{
    QStringList points;
    for (const QPointF& p : ring)
        points << Number(p.x()) + QLatin1Char(',') + Number(p.y());
    return points.join(QLatin1Char(' '));
}

QString PathData(const std::vector<QPolygonF>& rings)
{
    QStringList parts;
    for (const QPolygonF& ring : rings)
        parts << QStringLiteral("M") + Points(ring) + QStringLiteral("Z");
    return parts.join(QLatin1Char(' '));
}

void WriteShape(QXmlStreamWriter& xml, const VectorShape& shape)
{
    if (shape.piece < 0) {
        xml.writeEmptyElement(QStringLiteral("path"));
        xml.writeAttribute(QStringLiteral("d"), PathData(shape.rings));
    } else {
        xml.writeEmptyElement(QStringLiteral("polygon"));
        xml.writeAttribute(QStringLiteral("points"), shape.rings.empty() ? QString() : Points(shape.rings.front()));
    }
    xml.writeAttribute(QStringLiteral("fill"), Colour(shape.rgb));
    xml.writeAttribute(QStringLiteral("stroke"), Colour(shape.rgb));
    xml.writeAttribute(QStringLiteral("fill-rule"), QStringLiteral("evenodd"));
}

} // namespace

QByteArray SvgDocument(const VectorFigure& figure, double scale)
{
    const QRectF& frame = figure.frame;
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("svg"));
    xml.writeDefaultNamespace(QStringLiteral("http://www.w3.org/2000/svg"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.1"));
    xml.writeAttribute(QStringLiteral("width"), Number(frame.width() * scale));
    xml.writeAttribute(QStringLiteral("height"), Number(frame.height() * scale));
    xml.writeAttribute(QStringLiteral("viewBox"), QStringList{Number(frame.x()), Number(frame.y()),
                                                              Number(frame.width()), Number(frame.height())}
                                                      .join(QLatin1Char(' ')));
    if (!figure.caption.isEmpty())
        xml.writeTextElement(QStringLiteral("title"), XmlText(figure.caption));
    if (figure.background) {
        xml.writeEmptyElement(QStringLiteral("rect"));
        xml.writeAttribute(QStringLiteral("x"), Number(frame.x()));
        xml.writeAttribute(QStringLiteral("y"), Number(frame.y()));
        xml.writeAttribute(QStringLiteral("width"), Number(frame.width()));
        xml.writeAttribute(QStringLiteral("height"), Number(frame.height()));
        xml.writeAttribute(QStringLiteral("fill"), Colour(*figure.background));
    }
    xml.writeStartElement(QStringLiteral("g"));
    xml.writeAttribute(QStringLiteral("stroke-width"), QStringLiteral("1"));
    xml.writeAttribute(QStringLiteral("stroke-linejoin"), QStringLiteral("round"));
    for (const VectorShape& shape : figure.shapes)
        WriteShape(xml, shape);
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndDocument();
    return bytes;
}

} // namespace zol

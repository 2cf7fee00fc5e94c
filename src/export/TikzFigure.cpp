#include "export/TikzFigure.h"

#include "export/CaptionText.h"

namespace zol {

namespace {

// A micrometre is finer than any printer.
QString Centimetres(double value) { return DecimalText(value, 4); }

class PictureWriter {
public:
    explicit PictureWriter(double scale) : unit_(scale * TikzCentimetresPerPixel) {}

    QString Point(const QPointF& p) const
    {
        return QLatin1Char('(') + Centimetres(p.x() * unit_) + QLatin1Char(',') +
               Centimetres((BoardSize - p.y()) * unit_) + QLatin1Char(')');
    }

    QString Path(const std::vector<QPolygonF>& rings) const
    {
        QStringList parts;
        for (const QPolygonF& ring : rings) {
            QStringList points;
            for (const QPointF& p : ring)
                points << Point(p);
            parts << points.join(QStringLiteral(" -- ")) + QStringLiteral(" -- cycle");
        }
        return parts.join(QLatin1Char(' '));
    }

    QString Rectangle(const QRectF& frame) const
    {
        return Point(frame.bottomLeft()) + QStringLiteral(" rectangle ") + Point(frame.topRight());
    }

    double unit() const { return unit_; }

private:
    double unit_; // centimetres per board pixel
};

QString ColourDefinition(const QString& name, uint32_t rgb)
{
    return QStringLiteral("\\definecolor{%1}{RGB}{%2,%3,%4}\n")
        .arg(name)
        .arg(rgb >> 16 & 0xFF)
        .arg(rgb >> 8 & 0xFF)
        .arg(rgb & 0xFF);
}

QString ShapeColourName(const VectorShape& shape)
{
    return shape.piece < 0 ? QStringLiteral("zolsilhouette") : QStringLiteral("zolpiece%1").arg(shape.piece);
}

} // namespace

std::string TikzPictureText(const TikzPicture& picture, double scale)
{
    const VectorFigure& figure = picture.figure;
    const PictureWriter writer(scale);
    QString text;
    // The caption is the user's text: on one line, a comment cannot end
    // early, and whatever follows % on it is not read.
    const QString caption = OneLineText(figure.caption);
    if (picture.number > 0)
        text += QStringLiteral("% %1: %2\n").arg(QString::number(picture.number), caption);
    else if (!caption.isEmpty())
        text += QStringLiteral("% ") + caption + QLatin1Char('\n');
    text += QStringLiteral("\\begin{tikzpicture}[line width=%1cm, line join=round]\n")
                .arg(Centimetres(writer.unit()));
    if (figure.background)
        text += ColourDefinition(QStringLiteral("zolbackground"), *figure.background);
    for (size_t i = 0; i < figure.shapes.size(); ++i)
        text += ColourDefinition(ShapeColourName(figure.shapes[i]), figure.shapes[i].rgb);
    // The frame is the picture's extent, with or without a background.
    if (figure.background)
        text += QStringLiteral("\\fill[zolbackground] %1;\n").arg(writer.Rectangle(figure.frame));
    else
        text += QStringLiteral("\\path %1;\n").arg(writer.Rectangle(figure.frame));
    for (const VectorShape& shape : figure.shapes)
        text += QStringLiteral("\\filldraw[%1, even odd rule] %2;\n")
                    .arg(ShapeColourName(shape), writer.Path(shape.rings));
    text += QStringLiteral("\\end{tikzpicture}\n");
    return text.toStdString();
}

std::string TikzFileText(const std::vector<std::string>& pictures, bool standalone)
{
    std::string text;
    if (standalone)
        text += "\\documentclass{article}\n"
                "\\usepackage[a4paper,margin=2cm]{geometry}\n"
                "\\usepackage{tikz}\n"
                "\\pagestyle{empty}\n"
                "\\begin{document}\n"
                "\\centering\n";
    for (size_t i = 0; i < pictures.size(); ++i) {
        if (i > 0)
            text += standalone ? "\n\\bigskip\n" : "\n";
        text += pictures[i];
    }
    if (standalone)
        text += "\\end{document}\n";
    return text;
}

} // namespace zol

#include "export/PuzzleSheets.h"

#include "export/ProgressRun.h"
#include "export/SheetLayout.h"
#include "export/VectorFigure.h"
#include "io/AppPaths.h"
#include "io/AtomicFile.h"
#include "io/TextCodec.h"
#include "model/ColourValue.h"
#include "model/TangramModel.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>

#include <algorithm>

namespace zol {

namespace {

// Embedded in the file as a subset, so the captions print on any machine.
QFont SheetFont(double points)
{
    QFont font;
    font.setFamilies({QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")});
    font.setPointSizeF(points);
    return font;
}

QPolygonF PiecePolygon(const TangramModel& model, const Figure& figure, int piece, const SheetFit& fit)
{
    Point polygon[PolygonCapacity];
    model.FigurePolygon(figure, piece, polygon);
    QPolygonF mapped;
    for (int j = 0; j < model.polygonSize(piece); ++j)
        mapped << fit.Map(polygon[j]);
    return mapped;
}

// All pieces as one path. Mirrored pieces run the other way round; turning
// every piece the same way makes the winding rule fill where pieces overlap
// instead of cancelling them out.
QPainterPath Silhouette(const TangramModel& model, const Figure& figure, const SheetFit& fit)
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    for (int i = 0; i < model.pieceCount(); ++i) {
        path.addPolygon(ClockwiseRing(PiecePolygon(model, figure, i, fit)));
        path.closeSubpath();
    }
    return path;
}

// The board draws each piece with a one-pixel pen of its fill colour; the
// same pen here gives the silhouette the board's extent and closes the
// hairline gaps that rounding leaves between touching pieces.
QPen BoardPen(const QColor& colour, const SheetFit& fit)
{
    return QPen(colour, fit.scale, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

int Luminance(const QColor& c) { return (299 * c.red() + 587 * c.green() + 114 * c.blue()) / 1000; }

// Outlines in the palette's background colour, as the pieces stand apart on
// the board; where that would not show against a piece, black or white.
QColor OutlineColour(const QColor& background, const QColor& piece)
{
    if (std::abs(Luminance(background) - Luminance(piece)) >= 64)
        return background;
    return Luminance(piece) >= 128 ? Qt::black : Qt::white;
}

class SheetPainter {
public:
    SheetPainter(QPainter& painter, const TangramModel& model) : painter_(painter), model_(model) {}

    void Puzzle(int index, const SheetCell& cell)
    {
        const Figure figure = model_.ParseFigure(index);
        const SheetFit fit = FitFigure(model_, figure, cell.figure);
        painter_.setPen(BoardPen(Qt::black, fit));
        painter_.setBrush(Qt::black);
        painter_.drawPath(Silhouette(model_, figure, fit));
        Caption(index, CaptionPlace(cell, fit));
    }

    void Solution(int index, const SheetCell& cell)
    {
        const Figure figure = model_.ParseFigure(index);
        const SheetFit fit = FitFigure(model_, figure, cell.figure);
        const QColor background = ToQColor(model_.drawnBackground());
        // Every fill goes down before any outline, so no piece covers the
        // outline of one drawn earlier.
        for (int k = 0; k < model_.pieceCount(); ++k) {
            const int piece = model_.drawOrder()[k];
            const QColor colour = ToQColor(model_.Resolve(model_.pieceColor(piece)));
            painter_.setPen(BoardPen(colour, fit));
            painter_.setBrush(colour);
            painter_.drawPolygon(PiecePolygon(model_, figure, piece, fit), Qt::OddEvenFill);
        }
        painter_.setBrush(Qt::NoBrush);
        for (int piece = 0; piece < model_.pieceCount(); ++piece) {
            const QColor colour = ToQColor(model_.Resolve(model_.pieceColor(piece)));
            painter_.setPen(QPen(OutlineColour(background, colour), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            painter_.drawPolygon(PiecePolygon(model_, figure, piece, fit));
        }
        Caption(index, CaptionPlace(cell, fit));
    }

    void Heading(const QString& text)
    {
        painter_.setFont(SheetFont(12));
        painter_.setPen(Qt::black);
        painter_.drawText(QRectF(QPointF(0, 0), QSizeF(SheetPageSize().width(), 30)),
                          Qt::AlignHCenter | Qt::AlignBottom, text);
    }

private:
    void Caption(int index, const QRectF& place)
    {
        const QFont font = SheetFont(11);
        const QString text = DecodeText(model_.GetFigureCaption(index), model_.documentEncoding());
        painter_.setFont(font);
        painter_.setPen(Qt::black);
        painter_.drawText(place, Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine,
                          QFontMetricsF(font).elidedText(text, Qt::ElideRight, place.width()));
    }

    QPainter& painter_;
    const TangramModel& model_;
};

} // namespace

NoFiguresError::NoFiguresError()
    : std::runtime_error(MessageText({MessageId::NoFigures, {}}, Language::English)),
      MessageError(Message{MessageId::NoFigures, {}})
{
}

QString SolutionHeading() { return QStringLiteral("解答"); }

int WritePuzzleSheets(const TangramModel& model, const PuzzleSheetRequest& request, Progress& progress)
{
    if (!IsFiguresPerPage(request.perPage))
        throw std::invalid_argument("figures per page must be 1, 2, 4 or 6");
    const int figures = model.figureCount();
    if (figures < 1)
        throw NoFiguresError();
    // Made before any drawing, so that a long export does not fail at its end
    // for a folder it could not write in.
    AtomicFile pdf(request.path);
    QPdfWriter writer(&pdf.device());
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    writer.setResolution(72); // painter units are points
    writer.setTitle(DisplayPath(QFileInfo(request.path).completeBaseName()));
    writer.setCreator(QStringLiteral("Zol editor"));

    const std::vector<SheetCell> cells = SheetCells(request.perPage);
    const int per = request.perPage;
    const int sheets = (figures + per - 1) / per;
    ProgressRun run(progress, request.solutions ? 2 * figures : figures);
    int done = 0;
    int pages = 0;
    QPainter painter(&writer);
    painter.setRenderHint(QPainter::Antialiasing);
    SheetPainter sheet(painter, model);
    for (int s = 0; s < sheets; ++s) {
        const int first = s * per;
        const int end = std::min(figures, first + per);
        if (pages++ > 0)
            writer.newPage();
        for (int k = first; k < end; ++k) {
            sheet.Puzzle(k, cells[k - first]);
            run.Step(++done);
        }
        if (!request.solutions)
            continue;
        writer.newPage();
        ++pages;
        sheet.Heading(SolutionHeading());
        for (int k = first; k < end; ++k) {
            sheet.Solution(k, cells[k - first]);
            run.Step(++done);
        }
    }
    painter.end();
    pdf.Commit();
    return pages;
}

} // namespace zol

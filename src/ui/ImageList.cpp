#include "ui/ImageList.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <array>

namespace zol {

namespace {

// Every picture is drawn on a 16 x 16 grid; QIcon gets it at 16 and 32 pixels.
using Paint = void (*)(QPainter&);

const QColor Ink(40, 40, 40);
const QColor Blue(38, 98, 196);
const QColor Green(30, 150, 60);
const QColor Orange(230, 120, 20);
const QColor Red(200, 40, 40);

QPen InkPen(const QColor& c = Ink, double width = 1.0)
{
    return QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void Page(QPainter& p)
{
    QPainterPath path;
    path.moveTo(3.5, 1.5);
    path.lineTo(10.5, 1.5);
    path.lineTo(13.5, 4.5);
    path.lineTo(13.5, 14.5);
    path.lineTo(3.5, 14.5);
    path.closeSubpath();
    p.setPen(InkPen());
    p.setBrush(Qt::white);
    p.drawPath(path);
    p.drawPolyline(QPolygonF({{10.5, 1.5}, {10.5, 4.5}, {13.5, 4.5}}));
}

void NewPicture(QPainter& p)
{
    Page(p);
    p.setPen(InkPen(QColor(160, 160, 160)));
    for (double y : {7.5, 9.5, 11.5})
        p.drawLine(QPointF(5.5, y), QPointF(11.5, y));
}

void OpenPicture(QPainter& p)
{
    p.setPen(InkPen(QColor(150, 110, 20)));
    p.setBrush(QColor(240, 200, 80));
    p.drawPolygon(QPolygonF({{1.5, 3.5}, {6.5, 3.5}, {7.5, 5.5}, {13.5, 5.5}, {13.5, 13.5}, {1.5, 13.5}}));
    p.setBrush(QColor(252, 225, 120));
    p.drawPolygon(QPolygonF({{3.5, 7.5}, {15.5, 7.5}, {13.5, 13.5}, {1.5, 13.5}}));
}

void SavePicture(QPainter& p)
{
    p.setPen(InkPen(QColor(20, 50, 110)));
    p.setBrush(Blue);
    p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 1.5, 1.5);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(4.5, 9.5, 7, 5));
}

// A small tangram square: the picture of piece sets.
void ChangePicture(QPainter& p)
{
    p.setPen(InkPen(Qt::white, 0.8));
    p.setBrush(Red);
    p.drawPolygon(QPolygonF({{1, 1}, {15, 1}, {8, 8}}));
    p.setBrush(Blue);
    p.drawPolygon(QPolygonF({{1, 1}, {8, 8}, {1, 15}}));
    p.setBrush(Green);
    p.drawPolygon(QPolygonF({{15, 1}, {15, 8}, {11.5, 11.5}, {11.5, 4.5}}));
    p.setBrush(Orange);
    p.drawPolygon(QPolygonF({{8, 8}, {11.5, 11.5}, {8, 15}, {4.5, 11.5}}));
    p.setBrush(QColor(150, 60, 170));
    p.drawPolygon(QPolygonF({{1, 15}, {4.5, 11.5}, {8, 15}}));
    p.setBrush(QColor(240, 200, 40));
    p.drawPolygon(QPolygonF({{8, 15}, {15, 8}, {15, 15}}));
}

void DeletePicture(QPainter& p)
{
    p.setPen(InkPen(Red, 2.6));
    p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
    p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
}

void Arrow(QPainter& p, bool up)
{
    const double tip = up ? 2 : 14, base = 8, tail = up ? 14 : 2;
    p.setPen(InkPen(QColor(20, 60, 130)));
    p.setBrush(Blue);
    p.drawPolygon(QPolygonF({{8, tip}, {14, base}, {10.5, base}, {10.5, tail}, {5.5, tail}, {5.5, base}, {2, base}}));
}

void UpPicture(QPainter& p) { Arrow(p, true); }
void DownPicture(QPainter& p) { Arrow(p, false); }

void GoEditPicture(QPainter& p)
{
    p.setPen(InkPen());
    p.setBrush(QColor(250, 210, 90));
    p.drawPolygon(QPolygonF({{3, 13}, {4, 10}, {12, 2}, {14, 4}, {6, 12}}));
    p.setBrush(Ink);
    p.drawPolygon(QPolygonF({{3, 13}, {4, 10}, {6, 12}}));
}

void ShowTablePicture(QPainter& p)
{
    p.setPen(InkPen());
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) {
            p.setBrush(r == 1 && c == 1 ? Blue : QColor(230, 230, 230));
            p.drawRect(QRectF(1.5 + 4.5 * c, 1.5 + 4.5 * r, 3.5, 3.5));
        }
}

void CurvedArrow(QPainter& p, bool left, const QColor& colour)
{
    p.save();
    if (!left) {
        p.translate(16, 0);
        p.scale(-1, 1);
    }
    QPainterPath path;
    path.moveTo(4, 7);
    path.cubicTo(6, 2, 14, 2, 13.5, 9);
    path.cubicTo(13, 13, 9, 14, 7, 13.5);
    p.setPen(InkPen(colour, 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(QPolygonF({{0.5, 4.5}, {7.5, 4.5}, {3, 10}}));
    p.restore();
}

void UndoPicture(QPainter& p) { CurvedArrow(p, true, Blue); }
void RedoPicture(QPainter& p) { CurvedArrow(p, false, Blue); }

// Start over: pieces flying apart from a centre.
void BreakPicture(QPainter& p)
{
    p.setPen(InkPen(Red, 1.5));
    for (const auto& [x, y] : std::array<std::pair<double, double>, 4>{{{3, 3}, {13, 3}, {3, 13}, {13, 13}}})
        p.drawLine(QPointF(8 + (x - 8) * 0.35, 8 + (y - 8) * 0.35), QPointF(x, y));
    p.setBrush(Orange);
    p.setPen(InkPen(QColor(150, 70, 10)));
    p.drawPolygon(QPolygonF({{8, 5}, {11, 8}, {8, 11}, {5, 8}}));
}

// A staircase edge beside a smooth one.
void OptAAPicture(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Ink);
    p.drawPolygon(QPolygonF({{1, 15}, {1, 11}, {3, 11}, {3, 8}, {5, 8}, {5, 5}, {7, 5}, {7, 15}}));
    p.setRenderHint(QPainter::Antialiasing, true);
    p.drawPolygon(QPolygonF({{9, 15}, {15, 5}, {15, 15}}));
}

void EyePicture(QPainter& p)
{
    QPainterPath path;
    path.moveTo(1, 8);
    path.quadTo(8, 1, 15, 8);
    path.quadTo(8, 15, 1, 8);
    p.setPen(InkPen());
    p.setBrush(Qt::white);
    p.drawPath(path);
    p.setBrush(Blue);
    p.drawEllipse(QPointF(8, 8), 2.8, 2.8);
    p.setBrush(Ink);
    p.drawEllipse(QPointF(8, 8), 1.2, 1.2);
}

void CSetPicture(QPainter& p)
{
    p.setPen(InkPen(QColor(120, 90, 40)));
    p.setBrush(QColor(235, 205, 150));
    QPainterPath path;
    path.addEllipse(QRectF(1, 2, 14, 12));
    QPainterPath hole;
    hole.addEllipse(QRectF(9.5, 8.5, 3, 3));
    p.drawPath(path.subtracted(hole));
    p.setPen(Qt::NoPen);
    const std::array<QColor, 4> dots = {Red, Blue, Green, QColor(240, 200, 40)};
    const std::array<QPointF, 4> at = {QPointF(5, 6), QPointF(8.5, 4.8), QPointF(12, 6), QPointF(4.6, 10)};
    for (size_t i = 0; i < dots.size(); ++i) {
        p.setBrush(dots[i]);
        p.drawEllipse(at[i], 1.5, 1.5);
    }
}

// Four swatches: the pieces' colours of a palette on its background.
void Swatches(QPainter& p, const QColor& background, const std::array<QColor, 3>& pieces)
{
    p.setPen(InkPen(QColor(90, 90, 90)));
    p.setBrush(background);
    p.drawRect(QRectF(0.5, 0.5, 15, 15));
    p.setPen(Qt::NoPen);
    p.setBrush(pieces[0]);
    p.drawPolygon(QPolygonF({{3, 3}, {12, 3}, {3, 12}}));
    p.setBrush(pieces[1]);
    p.drawPolygon(QPolygonF({{13, 4}, {13, 13}, {4, 13}}));
    p.setBrush(pieces[2]);
    p.drawRect(QRectF(9, 9, 4, 4));
}

void PaletteWBPicture(QPainter& p) { Swatches(p, Qt::white, {Qt::black, Qt::black, Qt::black}); }
void PaletteBWPicture(QPainter& p) { Swatches(p, Qt::black, {Qt::white, Qt::white, Qt::white}); }
void PaletteBrl2Picture(QPainter& p)
{
    Swatches(p, Qt::black, {QColor(170, 110, 40), QColor(120, 70, 20), QColor(210, 160, 80)});
}
void PaletteBrgPicture(QPainter& p)
{
    Swatches(p, Qt::black, {QColor(120, 40, 150), QColor(80, 20, 110), QColor(170, 90, 200)});
}
void PaletteBrRPicture(QPainter& p)
{
    Swatches(p, Qt::black, {QColor(230, 70, 30), QColor(180, 40, 20), QColor(250, 130, 80)});
}
void PaletteBrlPicture(QPainter& p)
{
    Swatches(p, Qt::black, {QColor(110, 200, 60), QColor(60, 150, 40), QColor(170, 230, 110)});
}
void PaletteTBPicture(QPainter& p)
{
    p.setPen(Qt::NoPen);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            p.setBrush((r + c) % 2 ? QColor(200, 200, 200) : Qt::white);
            p.drawRect(QRectF(4 * c, 4 * r, 4, 4));
        }
    p.setBrush(Qt::black);
    p.drawPolygon(QPolygonF({{3, 3}, {12, 3}, {3, 12}}));
    p.drawPolygon(QPolygonF({{13, 4}, {13, 13}, {4, 13}}));
}
void PaletteCustomizePicture(QPainter& p)
{
    Swatches(p, QColor(30, 30, 60), {QColor(240, 200, 40), QColor(60, 160, 230), QColor(230, 80, 120)});
    GoEditPicture(p);
}

void Clipboard(QPainter& p)
{
    p.setPen(InkPen(QColor(110, 80, 40)));
    p.setBrush(QColor(200, 160, 100));
    p.drawRoundedRect(QRectF(2.5, 2.5, 11, 13), 1, 1);
    p.setBrush(QColor(170, 170, 170));
    p.drawRect(QRectF(5.5, 1.5, 5, 2.5));
}

void ClipCopy1Picture(QPainter& p)
{
    Clipboard(p);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawRect(QRectF(4, 5, 8, 9));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({{5, 13}, {8, 6}, {11, 13}}));
}

void ClipCopy2Picture(QPainter& p)
{
    Clipboard(p);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawRect(QRectF(6, 8, 4, 4));
    p.setBrush(QColor(150, 150, 150));
    p.drawRect(QRectF(7, 9, 2, 2));
}

void HelpPicture(QPainter& p)
{
    p.setPen(InkPen(QColor(20, 60, 130)));
    p.setBrush(Blue);
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    QFont f = p.font();
    f.setPixelSize(11);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(1.5, 1.5, 13, 13), Qt::AlignCenter, QStringLiteral("?"));
}

void ListLines(QPainter& p)
{
    p.setPen(InkPen(QColor(120, 120, 120)));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6.5, 1.5, 8, 13));
    for (double y : {4.5, 7.5, 10.5})
        p.drawLine(QPointF(8.5, y), QPointF(12.5, y));
}

// Insert: a green plus and an arrow pointing in between the rows.
void AddInsertPicture(QPainter& p)
{
    ListLines(p);
    p.setPen(Qt::NoPen);
    p.setBrush(Green);
    p.drawRect(QRectF(0.5, 4.8, 6, 2.4));
    p.drawRect(QRectF(2.3, 3, 2.4, 6));
    p.drawRect(QRectF(1, 11, 5, 2));
    p.drawPolygon(QPolygonF({{9, 12}, {6, 9.5}, {6, 14.5}}));
}

// Replace: an orange row swapped for another, with arrows both ways.
void AddReplacePicture(QPainter& p)
{
    ListLines(p);
    p.setPen(Qt::NoPen);
    p.setBrush(Orange);
    p.drawRect(QRectF(7, 6, 7, 3));
    p.setPen(InkPen(Red, 1.6));
    p.drawLine(QPointF(1, 4), QPointF(5, 4));
    p.drawLine(QPointF(1, 11), QPointF(5, 11));
    p.setPen(Qt::NoPen);
    p.setBrush(Red);
    p.drawPolygon(QPolygonF({{6.5, 4}, {4, 1.5}, {4, 6.5}}));
    p.drawPolygon(QPolygonF({{0, 11}, {2.5, 8.5}, {2.5, 13.5}}));
}

struct Picture {
    int index;
    const char* theme; // the desktop theme's name for it, if any
    Paint paint;
};

const std::array<Picture, 28> Pictures = {{
    {Image::PaletteWB, nullptr, PaletteWBPicture},
    {Image::PaletteBW, nullptr, PaletteBWPicture},
    {Image::PaletteBrl2, nullptr, PaletteBrl2Picture},
    {Image::PaletteBrg, nullptr, PaletteBrgPicture},
    {Image::PaletteBrR, nullptr, PaletteBrRPicture},
    {Image::PaletteBrl, nullptr, PaletteBrlPicture},
    {Image::New, "document-new", NewPicture},
    {Image::Open, "document-open", OpenPicture},
    {Image::Save, "document-save", SavePicture},
    {Image::Change, nullptr, ChangePicture},
    {Image::Delete, "edit-delete", DeletePicture},
    {Image::Up, "go-up", UpPicture},
    {Image::Down, "go-down", DownPicture},
    {Image::GoEdit, nullptr, GoEditPicture},
    {Image::ShowTable, nullptr, ShowTablePicture},
    {Image::Undo, "edit-undo", UndoPicture},
    {Image::Redo, "edit-redo", RedoPicture},
    {Image::Break, nullptr, BreakPicture},
    {Image::OptAA, nullptr, OptAAPicture},
    {Image::PaletteTB, nullptr, PaletteTBPicture},
    {Image::OptEye, nullptr, EyePicture},
    {Image::CSet, nullptr, CSetPicture},
    {Image::PaletteCustomize, nullptr, PaletteCustomizePicture},
    {Image::ClipCopy1, nullptr, ClipCopy1Picture},
    {Image::ClipCopy2, nullptr, ClipCopy2Picture},
    {Image::Help, "help-contents", HelpPicture},
    {Image::AddInsert, nullptr, AddInsertPicture},
    {Image::AddReplace, nullptr, AddReplacePicture},
}};

QIcon Painted(Paint paint)
{
    QIcon icon;
    for (int scale : {1, 2}) {
        QPixmap pixmap(16 * scale, 16 * scale);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.scale(scale, scale);
        paint(p);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace

QIcon ImageListIcon(int index)
{
    static QHash<int, QIcon> cache;
    if (auto it = cache.constFind(index); it != cache.constEnd())
        return *it;
    QIcon icon;
    for (const Picture& picture : Pictures) {
        if (picture.index != index)
            continue;
        const QIcon drawn = Painted(picture.paint);
        icon = picture.theme ? QIcon::fromTheme(QString::fromLatin1(picture.theme), drawn) : drawn;
    }
    cache.insert(index, icon);
    return icon;
}

} // namespace zol

#include "ui/colour/TColorSelecterForm.h"

#include "ui/Fonts.h"
#include "ui/PaintBox.h"
#include "ui/ShapeWidget.h"
#include "ui/colour/ColourWidgets.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>

namespace zol {

namespace {

QScrollBar* MakeBar(Qt::Orientation orientation, QRect geometry, int min, int max, QWidget* parent)
{
    auto* bar = new QScrollBar(orientation, parent);
    bar->setGeometry(geometry);
    bar->setRange(min, max);
    return bar;
}

} // namespace

TColorSelecterForm::TColorSelecterForm(TColors colours, const PickerBars& bars, QWidget* parent)
    : QDialog(parent), colours_(std::move(colours)), picture_(PickerSide, PickerSide, QImage::Format_RGB32),
      screen_(picture_)
{
    setObjectName("ColorSelecterForm");
    setWindowTitle(tr("色の選択"));
    setFont(PixelFont(GothicP, 12));
    setFixedSize(294, 345);

    PB = new PaintBox(screen_, {PickerSide, PickerSide}, this);
    PB->setObjectName("PB");
    PB->move(0, 0);
    SBX = MakeBar(Qt::Horizontal, {0, 258, 256, 16}, 0, 255, this);
    SBX->setObjectName("SBX");
    SBY = MakeBar(Qt::Vertical, {257, 0, 17, 256}, 0, 255, this);
    SBY->setObjectName("SBY");
    SBZ = MakeBar(Qt::Vertical, {274, 0, 17, 256}, 10, 100, this);
    SBZ->setObjectName("SBZ");
    Shape = new ShapeWidget({41, 66}, false, this);
    Shape->setObjectName("Shape");
    Shape->move(2, 279);
    Label = new QLabel(QStringLiteral("DATA"), this);
    Label->setObjectName("Label");
    Label->move(48, 281);
    Button1 = new QPushButton(QStringLiteral("Ok"), this);
    Button1->setObjectName("Button1");
    Button1->setGeometry(248, 318, 41, 19);
    QFont bold = font();
    bold.setBold(true);
    Button1->setFont(bold);

    SBX->setValue(bars.sbx);
    SBY->setValue(bars.sby);
    SBZ->setValue(bars.sbz);
    for (QScrollBar* bar : {SBX, SBY, SBZ})
        connect(bar, &QScrollBar::valueChanged, this, &TColorSelecterForm::SBChange);
    connect(PB, &PaintBox::mousePressed, this, &TColorSelecterForm::PBMouseDown);
    connect(Button1, &QPushButton::clicked, this, [this] { done(1); });

    SBChange();
    SetColour(0x000000);
}

void TColorSelecterForm::SetColour(uint32_t colorValue)
{
    PresetColour(pick_, colours_, colorValue);
    ShowPick();
    FormPaint();
}

PickerBars TColorSelecterForm::bars() const { return {SBX->value(), SBY->value(), SBZ->value()}; }

void TColorSelecterForm::SBChange()
{
    view_ = ProjectColours(colours_, bars());
    RedrawPicture();
    FormPaint();
}

void TColorSelecterForm::PBMouseDown(Qt::MouseButton, QPoint at)
{
    if (!picture_.rect().contains(at))
        return;
    const uint32_t pixel = ColourValueOf(picture_.pixel(at));
    if (IsFieldClick(view_, pixel, at.x(), at.y()))
        return;
    PickColour(pick_, colours_, pixel);
    ShowPick();
    FormPaint();
}

void TColorSelecterForm::ShowPick()
{
    Shape->setBrushColor(ScreenColour(pick_.swatch, *this));
    Shape->setPenColor(ScreenColour(pick_.swatch, *this));
    Label->setText(QString::fromStdString(pick_.label).chopped(pick_.label.ends_with('\n') ? 1 : 0));
    Label->adjustSize();
}

void TColorSelecterForm::RedrawPicture()
{
    picture_.fill(ScreenColour(PickerGrey, *this));
    QPainter painter(&picture_);
    painter.setPen(Qt::NoPen);
    for (int i : view_.order) {
        const ColourSquare& q = view_.squares[i];
        painter.setBrush(ScreenColour(ColorValue(colours_[i].rgb), *this));
        painter.drawRect(q.sx, q.sy, q.size, q.size);
    }
}

void TColorSelecterForm::FormPaint()
{
    screen_ = picture_;
    if (!colours_.empty()) {
        const auto arrow = PointerArrow(view_.squares[pick_.selected]);
        QPolygon line;
        for (const TurnedPoint& p : arrow)
            line << QPoint(p.x, p.y);
        QPainter painter(&screen_);
        painter.setPen(Qt::white);
        painter.drawPolyline(line);
    }
    PB->update();
}

} // namespace zol

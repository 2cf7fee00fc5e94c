#include "ui/colour/TColorCustamizeDialog.h"

#include "io/ColourTable.h"
#include "model/TangramModel.h"
#include "model/colour/PreviewLayout.h"
#include "ui/DialogPrompter.h"
#include "ui/Fonts.h"
#include "ui/PaintBox.h"
#include "ui/colour/ColourSheet.h"
#include "ui/colour/ColourWidgets.h"
#include "ui/colour/TColorSelecterForm.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

namespace zol {

namespace {

constexpr int ItemBlack = 0;
constexpr int ItemWhite = 1;
constexpr int ItemWorkspace = 2;
constexpr int ItemChoose = 3;

QFont Bold(QFont font)
{
    font.setBold(true);
    return font;
}

int ItemFor(uint32_t bgcolor)
{
    switch (bgcolor) {
    case 0x000000: return ItemBlack;
    case 0xFFFFFF: return ItemWhite;
    case WorkspaceColor: return ItemWorkspace;
    default: return -1;
    }
}

} // namespace

TColorCustamizeDialog::TColorCustamizeDialog(const PaletteParams& current, const PaletteParams& registered,
                                             const PickerBars& pickerBars, const QString& colourTablePath,
                                             Dialogs& dialogs, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), registered_(registered), pickerBars_(pickerBars),
      colourTablePath_(colourTablePath), dialogs_(dialogs),
      preview_(PreviewWidth, PreviewHeight, QImage::Format_RGB32)
{
    setObjectName("ColorCustamizeDialog");
    setWindowTitle(tr("カラーカスタマイズ"));
    setFont(PixelFont(GothicP, 12));
    setFixedSize(320, 409);
    BuildSheet();
    BuildBackgroundChoice();
    BuildArrows();
    BuildBars();
    RectposSet(current);
}

void TColorCustamizeDialog::BuildSheet()
{
    new ColourSheet(this);
    auto* panel = new QLabel(QStringLiteral("Palette Customizing Sheet  "), this);
    panel->setObjectName("Panel1");
    panel->setGeometry(0, 0, 320, 24);
    panel->setAlignment(Qt::AlignCenter);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setAutoFillBackground(true);
    panel->setFont(Bold(font()));
    CancelBtn = new QPushButton(QStringLiteral("×"), panel);
    CancelBtn->setObjectName("CancelBtn");
    CancelBtn->setGeometry(296, 1, 18, 17);
    CancelBtn->setAutoDefault(false);
    connect(CancelBtn, &QPushButton::clicked, this, [this] { done(Cancelled); });
    OKBtn = new QPushButton(QStringLiteral("Ok"), this);
    OKBtn->setObjectName("OKBtn");
    OKBtn->setGeometry(269, 373, 34, 17);
    OKBtn->setFont(Bold(font()));
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, [this] { done(Ok); });
}

void TColorCustamizeDialog::BuildBackgroundChoice()
{
    auto* group = new QGroupBox(tr("背景色"), this);
    group->setObjectName("RadioGroup1");
    group->setGeometry(16, 48, 89, 89);
    RadioGroup1 = new QButtonGroup(this);
    const QString items[] = {tr("黒"), tr("白"), tr("地色"), tr("色を選ぶ")};
    for (int i = 0; i < 4; ++i) {
        auto* button = new QRadioButton(items[i], group);
        button->setGeometry(8, 15 + 17 * i, 78, 17);
        RadioGroup1->addButton(button, i);
    }
    connect(RadioGroup1, &QButtonGroup::idToggled, this, [this](int item, bool on) {
        if (on)
            RadioGroup1Click(item);
    });
    pb = new PaintBox(preview_, {PreviewWidth, PreviewHeight}, this);
    pb->setObjectName("pb");
    pb->move(112, 54);
    connect(pb, &PaintBox::mouseReleased, this, [this](Qt::MouseButton button, QPoint at) {
        if (button == Qt::LeftButton && pb->rect().contains(at))
            pbClick();
    });
}

void TColorCustamizeDialog::BuildArrows()
{
    Label2 = new ClickLabel(QStringLiteral("▼"), this);
    Label2->setObjectName("Label2");
    Label2->move(87, 147);
    Label2->setToolTip(tr("登録"));
    connect(Label2, &ClickLabel::clicked, this, &TColorCustamizeDialog::Button1Click);
    auto* line = new QFrame(this);
    line->setObjectName("Bevel2");
    line->setGeometry(80, 163, 25, 2);
    line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    Label1 = new ClickLabel(QStringLiteral("▲"), this);
    Label1->setObjectName("Label1");
    Label1->move(87, 169);
    Label1->setToolTip(tr("呼び出し"));
    connect(Label1, &ClickLabel::clicked, this, &TColorCustamizeDialog::Button2Click);
}

void TColorCustamizeDialog::BuildBars()
{
    const struct {
        const char* name;
        const char* caption;
        int left;
        PaletteBar first;
    } groups[] = {
        {"GroupBox1", QT_TR_NOOP("色相(H)"), 16, PaletteBar::H1},
        {"GroupBox2", QT_TR_NOOP("彩度(S)"), 112, PaletteBar::S1},
        {"GroupBox3", QT_TR_NOOP("明度(V)"), 208, PaletteBar::V1},
    };
    for (const auto& g : groups) {
        auto* group = new QGroupBox(tr(g.caption), this);
        group->setObjectName(g.name);
        group->setGeometry(g.left, 200, 89, 169);
        MakeBar(group, 10, true, g.first);
        MakeBar(group, 44, false, static_cast<PaletteBar>(static_cast<int>(g.first) + 1));
    }
}

QSlider* TColorCustamizeDialog::MakeBar(QGroupBox* group, int left, bool bothSides, PaletteBar bar)
{
    static const char* names[] = {"TBH1", "TBH2", "TBS1", "TBS2", "TBV1", "TBV2"};
    auto* slider = new QSlider(Qt::Vertical, group);
    slider->setObjectName(names[static_cast<int>(bar)]);
    slider->setGeometry(left, 16, 33, 145);
    slider->setRange(0, 255);
    // Position 0 is the top of the bar.
    slider->setInvertedAppearance(true);
    slider->setInvertedControls(true);
    slider->setTickPosition(bothSides ? QSlider::TicksBothSides : QSlider::TicksRight);
    slider->setTickInterval(16);
    slider->setFocusPolicy(Qt::ClickFocus);
    bars_[static_cast<int>(bar)] = slider;
    connect(slider, &QSlider::valueChanged, this, [this, bar] { BarChange(bar); });
    return slider;
}

void TColorCustamizeDialog::RectposSet(const PaletteParams& current)
{
    bgcolor_ = current.bgcolor;
    SelectBackgroundItem(ItemFor(bgcolor_));
    ShowBars(BarsFromParams(current));
    Drawpalette();
}

PaletteParams TColorCustamizeDialog::params() const { return ParamsFromBars(Bars(), bgcolor_); }

void TColorCustamizeDialog::Drawpalette()
{
    preview_.fill(ScreenColour(bgcolor_, *this));
    QPainter painter(&preview_);
    const auto& rects = PreviewLayout();
    const std::vector<uint32_t> colours = PreviewColours(params());
    for (int i = 0; i < PreviewSquares; ++i) {
        const PreviewRect& r = rects[i];
        const QColor c = ScreenColour(colours[i], *this);
        painter.setPen(Qt::NoPen);
        painter.setBrush(c);
        painter.drawRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
    }
    pb->update();
}

void TColorCustamizeDialog::RadioGroup1Click(int item)
{
    switch (item) {
    case ItemBlack: bgcolor_ = 0x000000; break;
    case ItemWhite: bgcolor_ = 0xFFFFFF; break;
    case ItemWorkspace: bgcolor_ = WorkspaceColor; break;
    case ItemChoose: {
        DialogPrompter prompter(dialogs_);
        TColorSelecterForm picker(ReadColourTable(colourTablePath_, prompter), pickerBars_, this);
        picker.SetColour(bgcolor_);
        if (picker.exec() == 1)
            bgcolor_ = picker.chosenColour();
        pickerBars_ = picker.bars();
        // No item stays selected, so the same choice can be made again.
        SelectBackgroundItem(-1);
        break;
    }
    default: return;
    }
    Drawpalette();
}

void TColorCustamizeDialog::pbClick() { RadioGroup1->button(ItemChoose)->setChecked(true); }

void TColorCustamizeDialog::BarChange(PaletteBar bar)
{
    ShowBars(CoupleBars(Bars(), bar));
    Drawpalette();
}

void TColorCustamizeDialog::Button1Click() { registered_ = params(); }

void TColorCustamizeDialog::Button2Click()
{
    SelectBackgroundItem(-1);
    bgcolor_ = registered_.bgcolor;
    ShowBars(BarsFromParams(registered_));
    Drawpalette();
}

void TColorCustamizeDialog::ShowBars(const PaletteBarPositions& positions)
{
    for (int i = 0; i < 6; ++i) {
        const QSignalBlocker quiet(bars_[i]);
        bars_[i]->setValue(positions[static_cast<PaletteBar>(i)]);
    }
}

PaletteBarPositions TColorCustamizeDialog::Bars() const
{
    PaletteBarPositions positions;
    for (int i = 0; i < 6; ++i)
        positions[static_cast<PaletteBar>(i)] = bars_[i]->value();
    return positions;
}

void TColorCustamizeDialog::SelectBackgroundItem(int item)
{
    const QSignalBlocker quiet(RadioGroup1);
    RadioGroup1->setExclusive(false);
    for (QAbstractButton* button : RadioGroup1->buttons())
        button->setChecked(RadioGroup1->id(button) == item);
    RadioGroup1->setExclusive(true);
}

PaletteCustomisation RunColorCustamizeDialog(const PaletteParams& current, const PaletteParams& registered,
                                             const PickerBars& pickerBars, const QString& colourTablePath,
                                             Dialogs& dialogs, QWidget* parent)
{
    TColorCustamizeDialog dialog(current, registered, pickerBars, colourTablePath, dialogs, parent);
    const bool accepted = dialog.exec() == TColorCustamizeDialog::Ok;
    return {accepted, dialog.params(), dialog.registeredPalette(), dialog.pickerBars()};
}

} // namespace zol

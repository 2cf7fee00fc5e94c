#include "ColourDialogFixture.h"

#include "model/Random.h"
#include "model/TangramModel.h"
#include "model/colour/PreviewLayout.h"
#include "ui/colour/TColorCustamizeDialog.h"
#include "ui/colour/TColorSelecterForm.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QStyleOptionSlider>
#include <QTest>

#include <map>

using namespace zol;
using namespace zol::test;

namespace {

const char* const BarNames[] = {"TBH1", "TBH2", "TBS1", "TBS2", "TBV1", "TBV2"};
const PaletteParams Green = FixedPalettes()[3].params; // "黒‐乱新緑"

class ColorCustamizeDialog : public ColourDialogTest {
protected:
    std::unique_ptr<TColorCustamizeDialog> Open(const PaletteParams& current,
                                                const PaletteParams& registered = PaletteParams{0, 255, 0, 255, 0, 255, 0})
    {
        return std::make_unique<TColorCustamizeDialog>(current, registered, PickerBars{}, WriteColourTable(), dialogs,
                                                       nullptr);
    }
    static QSlider* Bar(QWidget& dialog, int i) { return dialog.findChild<QSlider*>(BarNames[i]); }
    static PaletteBarPositions Positions(QWidget& dialog)
    {
        PaletteBarPositions p;
        for (int i = 0; i < 6; ++i)
            p[static_cast<PaletteBar>(i)] = Bar(dialog, i)->value();
        return p;
    }
    // The checked background item, or -1.
    static int Item(QWidget& dialog)
    {
        const auto buttons = dialog.findChildren<QRadioButton*>();
        for (int i = 0; i < buttons.size(); ++i)
            if (buttons[i]->isChecked())
                return i;
        return -1;
    }
    static QRadioButton* ItemButton(QWidget& dialog, int i) { return dialog.findChildren<QRadioButton*>()[i]; }
    static void Click(QWidget& dialog, const char* name)
    {
        QTest::mouseClick(dialog.findChild<QWidget*>(name), Qt::LeftButton, {}, QPoint(4, 4));
    }
};

struct OpeningCase {
    int tag;
    PaletteBarPositions bars;
    int item;
};

TEST_F(ColorCustamizeDialog, OpensOnEachFixedSetWithItsBarsAndBackground)
{
    const OpeningCase cases[] = {
        {0, {255, 255, 255, 255, 255, 255}, 1}, {1, {255, 255, 255, 255, 0, 0}, 0}, {2, {55, 0, 83, 0, 99, 0}, 0},
        {3, {89, 61, 83, 0, 99, 0}, 0},         {4, {227, 190, 83, 0, 109, 38}, 0}, {5, {0, 0, 0, 0, 127, 0}, 0},
        {6, {255, 255, 255, 255, 255, 255}, 2},
    };
    for (const OpeningCase& c : cases) {
        const auto dialog = Open(FixedPalettes()[c.tag].params);
        const char* caption = FixedPalettes()[c.tag].caption;
        EXPECT_EQ(Positions(*dialog), c.bars) << caption;
        EXPECT_EQ(Item(*dialog), c.item) << caption;
        EXPECT_EQ(dialog->params(), FixedPalettes()[c.tag].params) << caption;
    }
    PaletteParams picked = Green;
    picked.bgcolor = 0x4080C0;
    EXPECT_EQ(Item(*Open(picked)), -1);
}

TEST_F(ColorCustamizeDialog, ShowsItsControlsWhereTheFormPutsThem)
{
    const auto dialog = Open(Green);
    EXPECT_EQ(dialog->windowTitle(), "カラーカスタマイズ");
    EXPECT_EQ(dialog->size(), QSize(320, 409));
    EXPECT_TRUE(dialog->windowFlags() & Qt::FramelessWindowHint);
    const struct {
        const char* name;
        QRect geometry;
    } controls[] = {{"Panel1", {0, 0, 320, 24}},    {"CancelBtn", {296, 1, 18, 17}},  {"RadioGroup1", {16, 48, 89, 89}},
                    {"pb", {112, 54, 185, 128}},    {"Bevel2", {80, 163, 25, 2}},     {"GroupBox1", {16, 200, 89, 169}},
                    {"GroupBox2", {112, 200, 89, 169}}, {"GroupBox3", {208, 200, 89, 169}}, {"OKBtn", {269, 373, 34, 17}}};
    for (const auto& c : controls)
        EXPECT_EQ(dialog->findChild<QWidget*>(c.name)->geometry(), c.geometry) << c.name;
    EXPECT_EQ(dialog->findChild<QLabel*>("Panel1")->text(), "Palette Customizing Sheet  ");
    EXPECT_EQ(dialog->findChild<QLabel*>("Label2")->toolTip(), "登録");
    EXPECT_EQ(dialog->findChild<QLabel*>("Label1")->toolTip(), "呼び出し");
    EXPECT_TRUE(dialog->findChild<QPushButton*>("OKBtn")->isDefault());
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(Bar(*dialog, i)->size(), QSize(33, 145)) << BarNames[i];
        EXPECT_EQ(Bar(*dialog, i)->maximum(), 255) << BarNames[i];
    }
    EXPECT_EQ(Bar(*dialog, 0)->mapTo(dialog.get(), QPoint(0, 0)), QPoint(26, 216));
    EXPECT_EQ(Bar(*dialog, 5)->mapTo(dialog.get(), QPoint(0, 0)), QPoint(252, 216));
}

// The sheet is the base colour, as the other tool windows' sheets, and the
// register and recall arrows stand out from it.
TEST_F(ColorCustamizeDialog, ArrowsStandOutFromTheBaseColouredSheet)
{
    const auto dialog = Open(Green);
    const QImage shown = Shown(dialog.get());
    const QRgb base = dialog->palette().color(QPalette::Base).rgb();
    EXPECT_EQ(shown.pixel(12, 190), base) << "the sheet between the controls";
    for (const char* name : {"Label1", "Label2"}) {
        const QRect r = dialog->findChild<QLabel*>(name)->geometry();
        EXPECT_EQ(shown.pixel(r.topLeft()), base) << name;
        int marks = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                marks += qGray(shown.pixel(x, y)) < qGray(base) - 100;
        EXPECT_GT(marks, 10) << name;
    }
}

TEST_F(ColorCustamizeDialog, WrappedHueRangeSurvivesAReopen)
{
    const auto dialog = Open(Green); // hue bars at 89 and 61
    Bar(*dialog, 1)->setValue(255 - 40);
    Bar(*dialog, 0)->setValue(255 - 200);
    const PaletteParams p = dialog->params();
    EXPECT_EQ(p.ho, 200);
    EXPECT_EQ(p.hr, 96);
    const auto reopened = Open(p);
    EXPECT_EQ(Bar(*reopened, 0)->value(), 55);
    EXPECT_EQ(Bar(*reopened, 1)->value(), 215);
    EXPECT_EQ(reopened->params(), p);
}

TEST_F(ColorCustamizeDialog, ReopensAHueOffsetNearTheTop)
{
    // With the second hue bar still at 0, a first bar set to 3 once snapped to 0.
    const auto dialog = Open({0, 252, 159, 100, 20, 200, 30});
    EXPECT_EQ(dialog->params(), (PaletteParams{0, 252, 159, 100, 20, 200, 30}));
}

// Drags the thumb of `bar` to `position` with the mouse.
void DragTo(QSlider* bar, int position)
{
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.upsideDown = !bar->invertedAppearance(); // vertical bars are upside down by default
    option.tickPosition = bar->tickPosition();
    const QRect handle = bar->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, bar);
    const QRect groove = bar->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, bar);
    const int span = groove.height() - handle.height();
    const int target = groove.top() + handle.height() / 2 +
                       QStyle::sliderPositionFromValue(bar->minimum(), bar->maximum(), position, span, false);
    QTest::mousePress(bar, Qt::LeftButton, {}, handle.center());
    for (int step = 1; step <= 4; ++step) {
        const QPoint at(handle.center().x(), handle.center().y() + (target - handle.center().y()) * step / 4);
        QMouseEvent move(QEvent::MouseMove, at, bar->mapToGlobal(at), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(bar, &move);
    }
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(handle.center().x(), target));
}

TEST_F(ColorCustamizeDialog, CouplingHoldsUnderAMouseDrag)
{
    const auto dialog = Open(FixedPalettes()[2].params); // 55, 0, 83, 0, 99, 0
    dialog->show();
    QSlider* s1 = Bar(*dialog, 2);
    QSlider* s2 = Bar(*dialog, 3);
    s2->setValue(60);
    DragTo(s1, 20); // above the second bar: it is pushed along
    EXPECT_LT(s1->value(), 60);
    EXPECT_EQ(s2->value(), s1->value());
    EXPECT_GE(dialog->params().sr, 0);

    QSlider* h1 = Bar(*dialog, 0);
    QSlider* h2 = Bar(*dialog, 1);
    DragTo(h2, 52); // within 7 of the first hue bar at 55
    EXPECT_EQ(h2->value(), 55);
    EXPECT_EQ(dialog->params().hr, 0);
    DragTo(h1, 150);
    EXPECT_GE(std::abs(h1->value() - h2->value()), HueBarGap);
}

TEST_F(ColorCustamizeDialog, PreviewDrawsWhatThePaletteGeneratorWould)
{
    const auto dialog = Open(Green);
    SeedRandom(77);
    ItemButton(*dialog, 1)->click(); // white: a redraw
    SeedRandom(77);
    PaletteParams p = Green;
    p.bgcolor = 0xFFFFFF;
    const std::vector<uint32_t> colours = PreviewColours(p);
    std::map<std::pair<int, int>, uint32_t> expected;
    for (int i = 0; i < PreviewSquares; ++i) {
        const PreviewRect& r = PreviewLayout()[i];
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                expected[{x, y}] = colours[i];
    }
    const QImage shown = Shown(dialog->findChild<QWidget*>("pb"));
    ASSERT_EQ(shown.size(), QSize(PreviewWidth, PreviewHeight));
    for (int y = 0; y < PreviewHeight; ++y)
        for (int x = 0; x < PreviewWidth; ++x) {
            const auto it = expected.find({x, y});
            ASSERT_EQ(ColourValueAt(shown, x, y), it == expected.end() ? 0xFFFFFFu : it->second) << x << "," << y;
        }
    // Pieces and preview draw alike: the first 32 squares are the pieces' colours.
    TangramModel model;
    SeedRandom(77);
    model.SetPalette(p.bgcolor, p.ho, p.so, p.vo, p.hr, p.sr, p.vr);
    for (int i = 0; i < MaxPieces; ++i)
        EXPECT_EQ(model.pieceColor(i), colours[i]) << i;
}

TEST_F(ColorCustamizeDialog, RegisterThenRecallRestoresAllSevenValues)
{
    const auto dialog = Open(Green);
    Bar(*dialog, 1)->setValue(255 - 40);
    Bar(*dialog, 0)->setValue(255 - 200);
    Bar(*dialog, 4)->setValue(30);
    ItemButton(*dialog, 1)->click();
    const PaletteParams registered = dialog->params();
    Click(*dialog, "Label2"); // ▼
    EXPECT_EQ(dialog->registeredPalette(), registered);

    ItemButton(*dialog, 0)->click();
    for (int i = 0; i < 6; ++i)
        Bar(*dialog, i)->setValue(128 + 10 * i);
    Click(*dialog, "Label1"); // ▲
    EXPECT_EQ(dialog->params(), registered);
    EXPECT_EQ(Item(*dialog), -1);
}

TEST_F(ColorCustamizeDialog, CloseBoxAppliesNothingButKeepsTheRegistration)
{
    const PaletteParams before{0, 255, 0, 255, 0, 255, 0};
    WhenModal([&] {
        auto* dialog = qobject_cast<TColorCustamizeDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        Bar(*dialog, 0)->setValue(10);
        Click(*dialog, "Label2");
        QTest::mouseClick(dialog->findChild<QWidget*>("CancelBtn"), Qt::LeftButton);
    });
    const PaletteCustomisation result =
        RunColorCustamizeDialog(Green, before, PickerBars{}, WriteColourTable(), dialogs, nullptr);
    EXPECT_FALSE(result.accepted);
    EXPECT_EQ(result.registered.ho, 245);
    EXPECT_EQ(result.registered.hr, 205); // 245 up to 194, wrapping
}

TEST_F(ColorCustamizeDialog, OkGivesTheDialogsRecord)
{
    WhenModal([&] {
        auto* dialog = qobject_cast<TColorCustamizeDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        ItemButton(*dialog, 2)->click();
        QTest::mouseClick(dialog->findChild<QWidget*>("OKBtn"), Qt::LeftButton);
    });
    const PaletteCustomisation result =
        RunColorCustamizeDialog(Green, {}, PickerBars{}, WriteColourTable(), dialogs, nullptr);
    EXPECT_TRUE(result.accepted);
    PaletteParams expected = Green;
    expected.bgcolor = WorkspaceColor;
    EXPECT_EQ(result.params, expected);
}

TEST_F(ColorCustamizeDialog, PickerChoosesTheBackgroundAndKeepsItsBars)
{
    const auto dialog = Open(Green);
    WhenModal([&] {
        auto* picker = dialog->findChild<TColorSelecterForm*>();
        ASSERT_NE(picker, nullptr);
        EXPECT_EQ(picker->bars(), PickerBars{});
        picker->findChild<QScrollBar*>("SBY")->setValue(0); // red at (237, 115)
        QTest::mouseClick(picker->findChild<QWidget*>("PB"), Qt::LeftButton, {}, QPoint(240, 118));
        QTest::mouseClick(picker->findChild<QWidget*>("Button1"), Qt::LeftButton);
    });
    QTest::mouseClick(dialog->findChild<QWidget*>("pb"), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(dialog->params().bgcolor, 0x0000FFu);
    EXPECT_EQ(dialog->pickerBars(), (PickerBars{128, 0, 20}));
    EXPECT_EQ(Item(*dialog), -1);
    EXPECT_EQ(ColourValueAt(Shown(dialog->findChild<QWidget*>("pb")), 0, 0), 0x0000FFu);
}

// A user who opened the picker only to look gets the background back as it
// was, also one without a name in the table.
TEST_F(ColorCustamizeDialog, PickerOkWithoutAPickKeepsTheBackground)
{
    for (const uint32_t background : {WorkspaceColor, 0x123456u, 0xFFFFFFu}) {
        SCOPED_TRACE(background);
        PaletteParams opened = Green;
        opened.bgcolor = background;
        const auto dialog = Open(opened);
        WhenModal([&] {
            auto* picker = dialog->findChild<TColorSelecterForm*>();
            ASSERT_NE(picker, nullptr);
            QTest::mouseClick(picker->findChild<QWidget*>("Button1"), Qt::LeftButton);
        });
        ItemButton(*dialog, 3)->click();
        EXPECT_EQ(dialog->params().bgcolor, background);
    }
}

TEST_F(ColorCustamizeDialog, CancellingThePickerKeepsTheBackgroundButNotTheOldBars)
{
    const auto dialog = Open(Green);
    WhenModal([&] {
        auto* picker = dialog->findChild<TColorSelecterForm*>();
        ASSERT_NE(picker, nullptr);
        picker->findChild<QScrollBar*>("SBZ")->setValue(60);
        picker->reject();
    });
    ItemButton(*dialog, 3)->click();
    EXPECT_EQ(dialog->params().bgcolor, 0u);
    EXPECT_EQ(dialog->pickerBars().sbz, 60);
    EXPECT_EQ(Item(*dialog), -1);
}

TEST_F(ColorCustamizeDialog, AMissingColourTableWarnsAndThePickerKeepsTheBackground)
{
    TColorCustamizeDialog dialog(FixedPalettes()[0].params, {}, PickerBars{}, MissingColourTable(), dialogs, nullptr);
    WhenModal([&] {
        auto* picker = dialog.findChild<TColorSelecterForm*>();
        ASSERT_NE(picker, nullptr);
        picker->done(1);
    });
    ItemButton(dialog, 3)->click();
    EXPECT_EQ(dialogs.texts(ScriptedDialogs::Kind::WarningWithOk),
              std::vector<QString>{"rgbdata.txtが見つからないか、またはファイルが空です。"});
    EXPECT_TRUE(dialogs.texts(ScriptedDialogs::Kind::Information).empty());
    EXPECT_EQ(dialog.params().bgcolor, 0xFFFFFFu);
}

} // namespace

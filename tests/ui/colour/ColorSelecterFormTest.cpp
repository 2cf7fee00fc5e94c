#include "ColourDialogFixture.h"

#include "io/ColourTable.h"
#include "model/TangramModel.h"
#include "ui/DialogPrompter.h"
#include "ui/PaintBox.h"
#include "ui/colour/TColorSelecterForm.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

using namespace zol;
using namespace zol::test;

namespace {

class ColorSelecterForm : public ColourDialogTest {
protected:
    TColors Table()
    {
        DialogPrompter prompter(dialogs);
        return ReadColourTable(WriteColourTable(), prompter);
    }
    static QWidget* PB(QWidget& form) { return form.findChild<QWidget*>("PB"); }
    static QString LabelText(QWidget& form) { return form.findChild<QLabel*>("Label")->text(); }
    static QPoint Centre(const TColors& table, const PickerBars& bars, int i)
    {
        const ColourSquare q = ProjectColours(table, bars).squares[i];
        return {q.sx + 1, q.sy + 1};
    }
};

TEST_F(ColorSelecterForm, ShowsItsControlsWhereTheFormPutsThem)
{
    TColorSelecterForm form(Table(), {}, nullptr);
    EXPECT_EQ(form.windowTitle(), "色の選択");
    EXPECT_EQ(form.size(), QSize(294, 345));
    const struct {
        const char* name;
        QRect geometry;
    } controls[] = {{"PB", {0, 0, 256, 256}}, {"SBX", {0, 258, 256, 16}}, {"SBY", {257, 0, 17, 256}},
                    {"SBZ", {274, 0, 17, 256}}, {"Shape", {2, 279, 41, 66}}, {"Button1", {248, 318, 41, 19}}};
    for (const auto& c : controls)
        EXPECT_EQ(form.findChild<QWidget*>(c.name)->geometry(), c.geometry) << c.name;
    EXPECT_EQ(form.findChild<QScrollBar*>("SBZ")->minimum(), 10);
    EXPECT_EQ(form.findChild<QScrollBar*>("SBZ")->maximum(), 100);
    EXPECT_TRUE(form.findChild<QPushButton*>("Button1")->font().bold());
    EXPECT_EQ(form.findChild<QPushButton*>("Button1")->text(), "Ok");
}

TEST_F(ColorSelecterForm, DrawsWhiteOnTopAndBlackAtTheBottomWithThePointer)
{
    TColorSelecterForm form(Table(), {128, 0, 20}, nullptr);
    const QImage shown = Shown(PB(form));
    EXPECT_EQ(ColourValueAt(shown, 128 + 5, 19 + 5), 0xFFFFFFu);  // white 19..25
    EXPECT_EQ(ColourValueAt(shown, 128 + 1, 237 + 1), 0x000000u); // black 237..243, off the arrow
    EXPECT_EQ(ColourValueAt(shown, 20, 20), 0x808080u);
    // Black is preset and named, so the pointer marks it; in the lower half its tail points down.
    EXPECT_EQ(LabelText(form), "R:0 G:0 B:0 (H:0 S:0 V:0)\n黒");
    EXPECT_EQ(ColourValueAt(shown, 131 + 10, 240 + 10), 0xFFFFFFu); // the arrow's tail end
}

// Preset on white, the pointer moves from black to white at once.
TEST_F(ColorSelecterForm, APresetMovesThePointerToItsColour)
{
    TColorSelecterForm form(Table(), {128, 0, 20}, nullptr);
    const QPoint blackTail(131 + 10, 240 + 10), whiteTail(131 + 10, 22 - 10);
    ASSERT_EQ(ColourValueAt(Shown(PB(form)), blackTail.x(), blackTail.y()), 0xFFFFFFu);
    form.SetColour(0xFFFFFF);
    const QImage shown = Shown(PB(form));
    EXPECT_EQ(ColourValueAt(shown, whiteTail.x(), whiteTail.y()), 0xFFFFFFu) << "the arrow's tail above white";
    EXPECT_EQ(ColourValueAt(shown, blackTail.x(), blackTail.y()), 0x808080u) << "no arrow at black";
}

TEST_F(ColorSelecterForm, OkWithoutAPickGivesThePresetColour)
{
    for (const uint32_t preset : {0x123456u, WorkspaceColor, 0x0000FFu}) {
        TColorSelecterForm form(Table(), {}, nullptr);
        form.SetColour(preset);
        EXPECT_EQ(form.chosenColour(), preset);
    }
}

TEST_F(ColorSelecterForm, AClickPicksTheColourUnderTheMouseWithAllItsNames)
{
    const TColors table = Table();
    const PickerBars bars{128, 0, 20}; // aqua and cyan at (20, 140)
    TColorSelecterForm form(table, bars, nullptr);
    QTest::mouseClick(PB(form), Qt::LeftButton, {}, Centre(table, bars, 2));
    EXPECT_EQ(LabelText(form), "R:0 G:255 B:255 (H:127 S:255 V:255)\naqua\ncyan");
    EXPECT_EQ(form.chosenColour(), 0xFFFF00u);
    EXPECT_EQ(ColourValueAt(Shown(form.findChild<QWidget*>("Shape")), 20, 30), 0xFFFF00u);

    // The grey field picks nothing.
    QTest::mouseClick(PB(form), Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(form.chosenColour(), 0xFFFF00u);
    EXPECT_EQ(ColourValueAt(Shown(form.findChild<QWidget*>("Shape")), 20, 30), 0xFFFF00u);
}

TEST_F(ColorSelecterForm, ScrollBarsTurnTiltAndZoomTheView)
{
    const TColors table = Table();
    TColorSelecterForm form(table, {0, 0, 20}, nullptr);
    EXPECT_EQ(ColourValueAt(Shown(PB(form)), 237 + 3, 115 + 3), 0x0000FFu); // red to the right
    form.findChild<QScrollBar*>("SBX")->setValue(64);
    EXPECT_EQ(ColourValueAt(Shown(PB(form)), 19 + 3, 115 + 3), 0x0000FFu); // half a turn: left
    form.findChild<QScrollBar*>("SBZ")->setValue(10);
    EXPECT_EQ(ColourValueAt(Shown(PB(form)), 128 + 3, 74 + 3), 0xFFFFFFu); // white halfway in
    EXPECT_EQ(form.bars(), (PickerBars{64, 0, 10}));
}

TEST_F(ColorSelecterForm, AnEmptyTableShowsAGreyFieldAndGivesThePreset)
{
    DialogPrompter prompter(dialogs);
    TColorSelecterForm form(ReadColourTable(MissingColourTable(), prompter), {}, nullptr);
    EXPECT_EQ(dialogs.texts(ScriptedDialogs::Kind::WarningWithOk),
              std::vector<QString>{"rgbdata.txtが見つからないか、またはファイルが空です。"});
    const QImage shown = Shown(PB(form));
    for (const QPoint p : {QPoint(0, 0), QPoint(128, 128), QPoint(255, 255), QPoint(131, 131)})
        EXPECT_EQ(ColourValueAt(shown, p.x(), p.y()), 0x808080u) << p.x() << "," << p.y();
    EXPECT_EQ(form.chosenColour(), 0u);
    form.SetColour(0x00FF00);
    QTest::mouseClick(PB(form), Qt::LeftButton, {}, QPoint(128, 128));
    EXPECT_EQ(LabelText(form), "DATA");
    EXPECT_EQ(form.chosenColour(), 0x00FF00u);
}

TEST_F(ColorSelecterForm, OkClosesWithResultOne)
{
    TColorSelecterForm form(Table(), {}, nullptr);
    WhenModal([&] { QTest::mouseClick(form.findChild<QPushButton*>("Button1"), Qt::LeftButton); });
    EXPECT_EQ(form.exec(), 1);
}

} // namespace

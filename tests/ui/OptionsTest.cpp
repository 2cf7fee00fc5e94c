// The option tool bar and the caption field.
#include "EditorFixture.h"

#include "ui/DisplayText.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QComboBox>
#include <QLabel>
#include <QStatusTipEvent>
#include <QLineEdit>
#include <QPointer>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

#include <climits>
#include <functional>
#include <utility>
#include <vector>

namespace zol::test {
namespace {

class Options : public EditorFixture {};

using Kind = ScriptedDialogs::Kind;

TEST_F(Options, FlipSensitivityTakesOnlyPlainDecimalNumbersSilently)
{
    const struct {
        const char* text;
        int flipsens; // expected afterwards, starting from 8
    } cases[] = {
        {"abc", 8}, {"-", 8}, {"", 8}, {"+5", 8}, {" 5", 8}, {"5x", 8}, {"99999999999", 8},
        {"-3", -3}, {"12", 12}, {"0", 0}, {"2147483647", INT_MAX}, {"-2147483648", INT_MIN},
    };
    for (const auto& c : cases) {
        form->editor().settings.flipsens = 8;
        Box("flipsensComboBox").setEditText(QString::fromUtf8(c.text));
        EXPECT_EQ(form->editor().settings.flipsens, c.flipsens) << '"' << c.text << '"';
    }
    EXPECT_TRUE(dialogs.records().empty());
}

TEST_F(Options, MagnificationRedrawsBoardAndGuideAndRefusesNonNumbers)
{
    const auto guideAt = [&](int percent) {
        form->editor().model.setZoomPercent(percent);
        QImage board(BoardSize, BoardSize, QImage::Format_RGB32), guide(GuideSize, GuideSize, QImage::Format_RGB32);
        form->editor().model.RenderBoard(BoardFigure, board, guide, true);
        return guide;
    };
    const QImage guide150 = guideAt(150);
    form->editor().model.setZoomPercent(100);

    Box("Copy1PercentageComboBox").setEditText(QStringLiteral("150"));
    EXPECT_EQ(form->editor().model.zoomPercent(), 150);
    EXPECT_EQ(form->editor().guideBitmap, guide150);
    EXPECT_EQ(form->editor().boardBitmap, DrawnBoard());

    for (const char* text : {"abc", "", "1.5"}) {
        dialogs.clearRecords();
        Box("Copy1PercentageComboBox").setEditText(QString::fromUtf8(text));
        EXPECT_EQ(form->editor().model.zoomPercent(), 150) << text;
        ASSERT_EQ(Shown(Kind::Error).size(), 1) << text;
        EXPECT_TRUE(Shown(Kind::Error)[0].endsWith(QStringLiteral("' は有効な整数値ではありません。")))
            << Shown(Kind::Error)[0];
    }
    dialogs.clearRecords();
    Box("Copy1PercentageComboBox").setEditText(QStringLiteral("0"));
    EXPECT_EQ(form->editor().model.zoomPercent(), 150);
    Box("Copy1PercentageComboBox").setEditText(QStringLiteral("-50"));
    EXPECT_EQ(form->editor().model.zoomPercent(), -50);
    Box("Copy1PercentageComboBox").setCurrentIndex(Box("Copy1PercentageComboBox").findText(QStringLiteral("100")));
    EXPECT_EQ(form->editor().model.zoomPercent(), 100);
    EXPECT_TRUE(dialogs.records().empty());
}

TEST_F(Options, TypingAPercentageTakesEachNumberOnTheWay)
{
    QLineEdit* edit = Box("Copy1PercentageComboBox").lineEdit();
    edit->selectAll();
    const struct {
        const char* key;
        int zoom;
    } steps[] = {{"1", 1}, {"5", 15}, {"0", 150}};
    for (const auto& step : steps) {
        QTest::keyClicks(edit, QString::fromLatin1(step.key));
        EXPECT_EQ(form->editor().model.zoomPercent(), step.zoom) << step.key;
    }
    EXPECT_EQ(form->editor().boardBitmap, DrawnBoard());
}

// The guide keeps showing the guide figure whatever is on the board.
TEST_F(Options, AntialiasToggleRedrawsTheGuideFigureAndTicksTheMenu)
{
    const Figure guide = form->editor().guideFigure;
    form->editor().model.SetCurrentFigure(Spread());
    const auto render = [&](bool antialias) {
        const Figure board = form->editor().model.GetCurrentFigure();
        form->editor().model.SetCurrentFigure(guide);
        QImage b(BoardSize, BoardSize, QImage::Format_RGB32), g(GuideSize, GuideSize, QImage::Format_RGB32);
        form->editor().model.RenderBoard(BoardFigure, b, g, antialias);
        form->editor().model.SetCurrentFigure(board);
        return g;
    };
    ASSERT_TRUE(Action("OptAA").isChecked());
    ASSERT_NE(render(false), render(true));

    Run("OptAA"); // the tool button
    EXPECT_FALSE(form->editor().view.antialias);
    EXPECT_FALSE(Action("OptAA").isChecked());
    EXPECT_FALSE(Action("AA").isChecked());
    EXPECT_EQ(form->editor().guideBitmap, render(false));
    EXPECT_EQ(form->editor().boardBitmap, DrawnBoard());

    Run("AA"); // the menu item
    EXPECT_TRUE(form->editor().view.antialias);
    EXPECT_TRUE(Action("OptAA").isChecked());
    EXPECT_TRUE(Action("AA").isChecked());
    EXPECT_EQ(form->editor().guideBitmap, render(true));
}

TEST_F(Options, EyeTogglesTheOptionToolBar)
{
    ASSERT_FALSE(Control<QToolBar>(QStringLiteral("OptToolBar")).isHidden());
    Run("OptEye");
    EXPECT_TRUE(Control<QToolBar>(QStringLiteral("OptToolBar")).isHidden());
    Run("OptEye");
    EXPECT_FALSE(Control<QToolBar>(QStringLiteral("OptToolBar")).isHidden());
}

TEST_F(Options, TypingACaptionChangesTheBoardFigureOnly)
{
    const int entries = form->editor().undoRing().undoCount();
    CaptionField()->setFocus();
    CaptionField()->selectAll();
    Type(CaptionField(), QStringLiteral("山"));
    EXPECT_EQ(form->editor().model.GetFigureCaption(BoardFigure), "\x8e\x52"); // CP932
    EXPECT_FALSE(form->editor().model.modified());
    EXPECT_EQ(form->editor().undoRing().undoCount(), entries);
}

// A CP932 document cannot hold every character: such input is refused with
// a note, never stored mangled. A UTF-8 document takes it.
TEST_F(Options, CaptionFieldRefusesCharactersTheDocumentCannotHold)
{
    CaptionField()->setFocus();
    CaptionField()->selectAll();
    Type(CaptionField(), QString::fromUtf8("a\xF0\x9F\x98\x80\xC3\xA9")); // a, an emoji, e acute
    EXPECT_EQ(CaptionShown(), QStringLiteral("a"));
    EXPECT_EQ(form->editor().model.GetFigureCaption(BoardFigure), "a");
    EXPECT_FALSE(form->statusBar()->currentMessage().isEmpty());

    form->editor().model.setDocumentEncoding(TextEncoding::Utf8);
    Type(CaptionField(), QString::fromUtf8("\xC3\xA9"));
    EXPECT_EQ(form->editor().model.GetFigureCaption(BoardFigure), "a\xC3\xA9");
}

// However the text arrives, typed, pasted or composed with an input method
// (as Japanese is), a refused character leaves the field as it was and the
// status bar says why. 〜 is one CP932 would store as a look-alike (～).
TEST_F(Options, CaptionFieldNotesEveryRefusedInput)
{
    const QString refused = QString::fromUtf8("〜");
    const std::vector<std::pair<const char*, std::function<void()>>> ways = {
        {"typed", [&] { Type(CaptionField(), refused); }},
        {"pasted",
         [&] {
             QApplication::clipboard()->setText(refused);
             CaptionField()->paste();
         }},
        {"composed",
         [&] {
             QInputMethodEvent event;
             event.setCommitString(refused);
             QApplication::sendEvent(CaptionField(), &event);
         }},
    };
    CaptionField()->setFocus();
    CaptionField()->setText(QStringLiteral("a"));
    for (const auto& [way, input] : ways) {
        form->statusBar()->clearMessage();
        input();
        EXPECT_EQ(CaptionShown(), QStringLiteral("a")) << way;
        EXPECT_EQ(form->editor().model.GetFigureCaption(-1), "a") << way;
        EXPECT_EQ(form->statusBar()->currentMessage(), QStringLiteral("文書の文字コードで表せない文字は入力できません。"))
            << way;
    }
}

// A window closed while the caption field has the focus: the field loses it
// as the widgets die, after the members are gone; nothing may reach them
// (the sanitizer build reports any access).
TEST_F(Options, ClosingWithTheCaptionFieldFocusedReachesNoDeadMembers)
{
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    CaptionField()->setFocus();
    Type(CaptionField(), QStringLiteral("x"));
    ASSERT_TRUE(CaptionField()->hasFocus());
    QPointer<QLineEdit> field = CaptionField();
    form.reset();
    EXPECT_TRUE(field.isNull());
}

// Bytes the document's encoding cannot show come back unchanged when the
// figure is shown in the caption field, so saving keeps them; showing them
// is no refused input.
TEST_F(Options, ShowingACaptionKeepsItsBytes)
{
    const std::string odd = "x\x81\xff"; // no valid CP932
    Figure f = form->editor().model.GetCurrentFigure();
    f.caption = odd;
    form->editor().model.SetCurrentFigure(f);
    Run("EditAdd");
    form->editor().model.SetFigureCaption(BoardFigure, "other");
    SelectRow(0);
    Run("EditGoEdit");
    EXPECT_EQ(CaptionShown(), CaptionText(form->editor().model, BoardFigure));
    EXPECT_EQ(form->editor().model.GetFigureCaption(BoardFigure), odd);
    EXPECT_TRUE(form->statusBar()->currentMessage().isEmpty());
}

// Hovering a box shows its hint in place of the three panels; choosing from
// the box's list ends with no leave event, so the panels must come back.
TEST_F(Options, ThePanelsReturnAfterABoxIsUsed)
{
    const struct {
        const char* name;
        QComboBox* box;
    } boxes[] = {{"magnification", &Box("Copy1PercentageComboBox")}, {"flip sensitivity", &Box("flipsensComboBox")}};
    for (const auto& b : boxes) {
        SCOPED_TRACE(b.name);
        QStatusTipEvent hover(QStringLiteral("画像のコピー倍率"));
        QApplication::sendEvent(&Box("Copy1PercentageComboBox"), &hover);
        ASSERT_FALSE(form->statusBar()->currentMessage().isEmpty());
        b.box->setCurrentIndex(3);
        emit b.box->activated(3);
        EXPECT_TRUE(form->statusBar()->currentMessage().isEmpty());
        for (int panel = 0; panel < 3; ++panel)
            EXPECT_TRUE(Control<QLabel>(QStringLiteral("StatusPanel%1").arg(panel)).isVisible()) << panel;
    }
}

} // namespace
} // namespace zol::test

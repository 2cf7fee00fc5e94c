// The window as it starts: layout, menus, commands, shortcuts, and the guard
// that turns failures into error messages.
#include "EditorFixture.h"

#include "ui/AppTitle.h"
#include "ui/ImageList.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QTest>
#include <QToolBar>

#include <stdexcept>

namespace zol::test {
namespace {

class Window : public EditorFixture {};

using Kind = ScriptedDialogs::Kind;

TEST_F(Window, StartsWithAnEmptyNewDocumentAndTheBuiltInSet)
{
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Zol editor"));
    EXPECT_EQ(StatusShown(0), QStringLiteral("新しいファイル"));
    EXPECT_EQ(StatusShown(1), QStringLiteral("タングラム"));
    EXPECT_EQ(StatusShown(2), QStringLiteral("0"));
    EXPECT_EQ(CaptionShown(), QStringLiteral("名称未設定"));
    EXPECT_EQ(form->editor().guideFigure, form->editor().model.GetCurrentFigure());
    EXPECT_EQ(form->editor().undoRing().undoCount(), 0);
    EXPECT_EQ(form->editor().undoRing().size(), 100);
    EXPECT_EQ(form->board().mode, BoardMode::Idle);
    EXPECT_EQ(form->editor().boardBitmap, DrawnBoard());
    EXPECT_EQ(form->frameGeometry().size(), QSize(698, 664));
    EXPECT_TRUE(dialogs.records().empty());
}

struct PlaceCase {
    QSize window;
    int dx;
    int dy;
};

void PrintTo(const PlaceCase& c, std::ostream* os) { *os << c.window.width() << "x" << c.window.height(); }

class Layout : public EditorFixture, public ::testing::WithParamInterface<PlaceCase> {};

// The content keeps its design places up to the design size and is centred
// in larger windows.
TEST_P(Layout, PlacesTheControlsAndCentresThemInLargerWindows)
{
    const PlaceCase c = GetParam();
    // The case gives the outer size, frame included.
    form->resize(c.window - (form->frameGeometry().size() - form->size()));
    QApplication::processEvents();
    ASSERT_EQ(form->frameGeometry().size(), c.window);
    const struct {
        const char* control;
        QPoint at;
        QSize size;
    } expected[] = {
        {"Bevel1", {150, 31}, {521, 521}},     {"Shape1", {6, 5}, {136, 136}},
        {"Shape2", {254, 7}, {417, 22}},       {"pb1", {154, 35}, {512, 512}},
        {"pb2", {10, 9}, {129, 129}},          {"GuideLock", {6, 143}, {}},
        {"ToolBarList", {8, 173}, {}},         {"List", {6, 197}, {137, 356}},
        {"ToolBarEdit", {150, 6}, {}},         {"CaptionInput", {262, 10}, {401, 18}},
    };
    for (const auto& e : expected) {
        const QWidget& control = Control(QLatin1String(e.control));
        EXPECT_EQ(control.pos(), e.at + QPoint(c.dx, c.dy)) << e.control;
        if (!e.size.isEmpty()) {
            EXPECT_EQ(control.size(), e.size) << e.control;
        }
    }
    // The bars inside the content fit between their neighbours.
    EXPECT_LE(Control(QStringLiteral("ToolBarEdit")).geometry().right(), Control(QStringLiteral("Shape2")).geometry().left());
    EXPECT_LE(Control(QStringLiteral("ToolBarList")).geometry().bottom(), List().geometry().top());
}

INSTANTIATE_TEST_SUITE_P(Windows, Layout,
                         ::testing::Values(PlaceCase{{698, 664}, 4, 0}, PlaceCase{{689, 666}, 0, 0},
                                           PlaceCase{{640, 480}, 0, 0}, PlaceCase{{698, 800}, 4, 67},
                                           PlaceCase{{1000, 900}, 155, 117}),
                         PrintedName());

TEST_F(Window, ControlsUseTheFormsTypefacesAndSizes)
{
    EXPECT_EQ(form->font().family(), QStringLiteral("ＭＳ Ｐゴシック"));
    EXPECT_EQ(form->font().pixelSize(), 12);
    EXPECT_EQ(List().font().family(), QStringLiteral("ＭＳ Ｐ明朝"));
    EXPECT_EQ(CaptionField()->font().pixelSize(), 16);
    EXPECT_EQ(CaptionField()->maxLength(), 254);
    const int panelWidths[] = {420, 128, 64};
    for (int panel = 0; panel < 3; ++panel)
        EXPECT_EQ(Control(QStringLiteral("StatusPanel%1").arg(panel)).width(), panelWidths[panel]) << panel;
    // The substitution makes the Japanese names real fonts.
    EXPECT_EQ(QFontInfo(List().font()).family(), QStringLiteral("IPAPMincho"));
}

QStringList MenuTexts(const QMenu* menu)
{
    QStringList texts;
    for (const QAction* a : menu->actions())
        texts << (a->isSeparator() ? QStringLiteral("-") : a->text().section(QLatin1Char('\t'), 0, 0));
    return texts;
}

TEST_F(Window, MenusHoldTheCommandsInTheirOrder)
{
    QStringList titles;
    QList<QMenu*> menus;
    for (QAction* a : form->menuBar()->actions()) {
        titles << a->text();
        menus << a->menu();
    }
    ASSERT_EQ(titles, QStringList({"ファイル(&F)", "編集(&E)", "オプション(&O)", "ヘルプ(&H)"}));
    EXPECT_EQ(MenuTexts(menus[0]), QStringList({"新規作成(&N)", "開く(&O)", "追加読み込み(&M)", "名前を付けて保存(&A)",
                                                "上書き保存(&S)", "-", "パズルシートを印刷用PDFに(&P)…", "SVGで書き出す(&V)…",
                                                "-", "gTansの図形を読み込む(&G)…", "gTans形式で書き出す(&T)…", "-",
                                                "終了(&X)"}));
    EXPECT_EQ(MenuTexts(menus[1]),
              QStringList({"リストに追加(&A)", "破棄(&B)", "アンドゥ(&U)", "リドゥ(&R)", "-", "削除(&D)", "エディット(&E)",
                           "下に移動", "上に移動", "文字列でソート(&S)", "ニュアンスでソート(&N)", "-",
                           "重複する図形を探す(&D)…", "この図形の別解を探す…", "-", "ピースセットの変更"}));
    EXPECT_EQ(MenuTexts(menus[1]->actions()[10]->menu()), QStringList({"大雑把(&R)", "ほどほど(&M)", "神経質(&D)"}));
    EXPECT_EQ(MenuTexts(menus[2]),
              QStringList({"パレット変更(&P)", "ガイド画像アンチエイリアスの入切(&A)", "ガイド画像をクリップボードへ(&G)",
                           "画像をクリップボードへ(&M)", "オプションツールバーの入切(&O)", "アクティブ・ビューワ(&V)",
                           "HTMLカタログの作成(&H)", "-", "パズルに挑戦(&Z)", "ヒント(&H)", "-",
                           "言語 / Language"}));
    EXPECT_EQ(MenuTexts(menus[2]->actions()[11]->menu()), QStringList({"自動", "-", "日本語", "English"}));
    EXPECT_EQ(MenuTexts(menus[2]->actions()[0]->menu()),
              QStringList({"白‐黒", "黒‐白", "黒‐乱枯葉", "黒‐乱新緑", "黒‐乱葡萄", "黒‐乱朱", "透明‐黒", "カスタマイズ"}));
    EXPECT_EQ(MenuTexts(menus[3]), QStringList({"バージョン情報(&I)", "ヘルプの目次(&Q)"}));
    // The edit menu's own hints and the key it shows for Undo.
    EXPECT_EQ(menus[1]->actions()[1]->statusTip(), QStringLiteral("やり直し"));
    EXPECT_EQ(menus[1]->actions()[2]->text().section(QLatin1Char('\t'), 1), QStringLiteral("Ctrl+Z"));
}

struct KeyCase {
    const char* action;
    QStringList keys;
    const char* hint;
};

TEST_F(Window, CommandsCarryTheirShortcutsAndHints)
{
    const KeyCase cases[] = {
        {"FileSave", {"Ctrl+S"}, "上書き保存"},
        {"FileDirOpen", {"F2"}, ""},
        {"OptPuzzle", {"F5"}, "選んだ図形のシルエットをパズルとして解く"},
        {"OptHint", {"Ctrl+H"}, "ピースを１つ正しい位置に置く"},
        {"PuzzleLeave", {"Esc"}, "パズルをやめて元の形に戻す"},
        {"EditAdd", {"Ctrl+A"}, "編集中の形をリストに追加"},
        {"EditBreak", {"Ctrl+B"}, "最初からやり直す"},
        {"EditUndo", {"Ctrl+U", "Ctrl+Z"}, "１ステップ戻す"},
        {"EditRedo", {"Ctrl+R", "Ctrl+Alt+Z"}, "１ステップ進める"},
        {"EditDelete", {"Ctrl+D"}, "削除"},
        {"EditGoEdit", {"Ctrl+E"}, "形の編集"},
        {"ClipCopy2", {"Ctrl+G"}, "ガイド画像をクリップボードへ"},
        {"ClipCopy1", {"Ctrl+M"}, "画像をクリップボードへ"},
        {"OptEye", {"Ctrl+O"}, "オプションツールバーの表示切り換え"},
        {"OptRpcal", {"Ctrl+P"}, ""},
        {"HelpQRefference", {"F1"}, ""},
        {"FileMarge", {}, "別ファイルのシルエットをリストに追加"},
        {"EditChange", {}, "ピースセットの変更"},
    };
    for (const KeyCase& c : cases) {
        const auto* action = form->findChild<QAction*>(QLatin1String(c.action));
        ASSERT_NE(action, nullptr) << c.action;
        QStringList keys;
        for (const QKeySequence& k : action->shortcuts())
            keys << k.toString(QKeySequence::PortableText);
        EXPECT_EQ(keys, c.keys) << c.action;
        EXPECT_EQ(action->statusTip(), QString::fromUtf8(c.hint)) << c.action;
    }
}

// A key the window answers to and the help's key list does not name is a
// command the user cannot find; the list is checked in every language.
TEST_F(Window, EveryShortcutIsListedInTheHelpOfEachLanguage)
{
    for (const char* folder : {"/help/keys.html", "/help/en/keys.html"}) {
        QFile file(QStringLiteral(DATA_FOLDER) + QLatin1String(folder));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << folder;
        const QString page = QString::fromUtf8(file.readAll());
        for (const QAction* action : form->findChildren<QAction*>())
            for (const QKeySequence& key : action->shortcuts()) {
                const QString listed = QStringLiteral("<kbd>%1</kbd>").arg(key.toString(QKeySequence::PortableText));
                EXPECT_TRUE(page.contains(listed)) << folder << " lacks " << listed.toStdString() << " of "
                                                   << action->objectName().toStdString();
            }
    }
}

TEST_F(Window, EnabledCommandsFollowTheListAndTheSelection)
{
    const auto enabled = [&](std::initializer_list<const char*> commands) {
        QList<bool> states;
        for (const char* command : commands)
            states << Action(QLatin1String(command)).isEnabled();
        return states;
    };
    const auto listCommands = {"OptSSort",        "OptNSortLevel1", "OptNSortLevel2",  "OptNSortLevel3",
                               "OptActiveViewer", "OptmkHTML",      "FilePuzzleSheets"};
    const auto rowCommands = {"EditDelete", "EditGoEdit", "ToolButtonShowTable"};

    EXPECT_EQ(enabled(listCommands), QList<bool>(7, false));
    EXPECT_TRUE(Action("EditChange").isEnabled());
    EXPECT_EQ(enabled(rowCommands), QList<bool>(3, false));
    EXPECT_FALSE(Action("EditUndo").isEnabled());
    EXPECT_FALSE(Action("EditRedo").isEnabled());

    AddFigures({"A"});
    SelectRow(-1);
    EXPECT_EQ(enabled(listCommands), QList<bool>(7, true));
    EXPECT_FALSE(Action("EditChange").isEnabled());
    EXPECT_EQ(enabled(rowCommands), QList<bool>(3, false));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Zol editor（変更）"));

    ClickRow(0);
    EXPECT_EQ(enabled(rowCommands), QList<bool>(3, true));
    EXPECT_FALSE(Action("EditUp").isEnabled());
    EXPECT_FALSE(Action("EditDown").isEnabled());
}

// The controls show the editor's editing state once a command has run, and
// report the user's changes to it.
TEST_F(Window, ControlsShowTheEditingStateAndReportChangesToIt)
{
    auto& lock = Control<QCheckBox>(QStringLiteral("GuideLock"));
    lock.click();
    EXPECT_TRUE(form->editor().view.guideLocked);

    ViewState& view = form->editor().view;
    view.guideLocked = false;
    view.antialias = !view.antialias;
    view.addMode = AddMode::Replace;
    form->ShowEditor();
    EXPECT_FALSE(lock.isChecked());
    EXPECT_EQ(Action("OptAA").isChecked(), view.antialias);
    EXPECT_EQ(Action("AA").isChecked(), view.antialias);
    EXPECT_EQ(Action("EditAdd").icon().cacheKey(), ImageListIcon(Image::AddReplace).cacheKey());
}

class Shortcuts : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
};

// The caption field would take Ctrl+A (select all) and Ctrl+Z (undo typing)
// for itself; the window's commands come first.
TEST_F(Shortcuts, ReachTheCommandsWhileTheCaptionFieldHasTheFocus)
{
    const Figure start = form->editor().model.GetCurrentFigure();
    CaptionField()->setFocus();
    ASSERT_TRUE(CaptionField()->hasFocus());
    QTest::keyClicks(CaptionField(), QStringLiteral("X"));
    QTest::keyClick(CaptionField(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(form->editor().model.figureCount(), 1);
    EXPECT_EQ(Rows(), QStringList({"名称未設定X"}));

    QTest::keyClick(CaptionField(), Qt::Key_B, Qt::ControlModifier); // Break: a new scatter
    const Figure scattered = form->editor().model.GetCurrentFigure();
    EXPECT_NE(scattered.x, start.x);
    QTest::keyClick(CaptionField(), Qt::Key_Z, Qt::ControlModifier); // Undo
    EXPECT_EQ(form->editor().model.GetCurrentFigure(), start);
    QTest::keyClick(CaptionField(), Qt::Key_Z, Qt::ControlModifier | Qt::AltModifier); // Redo
    EXPECT_EQ(form->editor().model.GetCurrentFigure(), scattered);
    QTest::keyClick(CaptionField(), Qt::Key_U, Qt::ControlModifier); // Undo again
    EXPECT_EQ(form->editor().model.GetCurrentFigure(), start);
    QTest::keyClick(CaptionField(), Qt::Key_R, Qt::ControlModifier); // Redo again
    EXPECT_EQ(form->editor().model.GetCurrentFigure(), scattered);

    List().setFocus();
    SelectRow(0);
    QTest::keyClick(&List(), Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(form->editor().model.figureCount(), 0);
}

TEST_F(Shortcuts, OfDisabledCommandsDoNothing)
{
    AddFigures({"A", "B"});
    SelectRow(-1);
    ASSERT_FALSE(Action("EditDelete").isEnabled());
    CaptionField()->setFocus();
    QTest::keyClick(CaptionField(), Qt::Key_D, Qt::ControlModifier);
    QTest::keyClick(CaptionField(), Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(form->editor().model.figureCount(), 2);
    // Undo is disabled too: nothing was entered since start-up.
    const Figure board = form->editor().model.GetCurrentFigure();
    QTest::keyClick(CaptionField(), Qt::Key_U, Qt::ControlModifier);
    EXPECT_EQ(form->editor().model.GetCurrentFigure(), board);
}

// A figure whose placement line is broken (as a merged file may bring)
// makes the command stop with the conversion error; the program goes on.
TEST_F(Window, AFailingCommandShowsItsErrorAndChangesNothing)
{
    AddFigures({"A"});
    AddBrokenFigure(QStringLiteral("B"));
    const Figure board = form->editor().model.GetCurrentFigure();
    const Figure guide = form->editor().guideFigure;

    ClickRow(1);
    Run("EditGoEdit");

    ASSERT_EQ(Shown(Kind::Error).size(), 2);
    EXPECT_EQ(Shown(Kind::Error)[0], QStringLiteral("'x' は有効な整数値ではありません。"));
    EXPECT_EQ(form->editor().model.GetCurrentFigure(), board);
    EXPECT_EQ(form->editor().guideFigure, guide);
    EXPECT_EQ(form->editor().model.figureCount(), 2);
}

// A handler that stops on an exception has changed what it changed; the
// commands follow that state all the same.
TEST_F(Window, CommandsFollowTheStateAfterAHandlerThatFailed)
{
    AddFigures({"A", "B"});
    SelectRow(-1);
    ASSERT_FALSE(Action("EditDelete").isEnabled());

    form->Guarded([&] {
        form->editor().view.selectedRow = 1;
        throw std::runtime_error("stopped halfway");
    });
    EXPECT_EQ(Shown(Kind::Error), QStringList({"stopped halfway"}));
    EXPECT_EQ(SelectedRow(), 1);
    EXPECT_TRUE(Action("EditDelete").isEnabled());
    EXPECT_TRUE(Action("EditUp").isEnabled());
    EXPECT_FALSE(Action("EditDown").isEnabled());
}

} // namespace
} // namespace zol::test

// The command table of the main window: one action per command with its
// caption, hint, shortcuts and picture, and the menus and tool bars built
// from the actions.
#include "ui/ZolForm.h"

#include "ui/AppTitle.h"
#include "ui/CommandRules.h"
#include "ui/GaugeProgress.h"
#include "ui/ImageList.h"
#include "ui/UndoRing.h"
#include "ui/FigureListBox.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QToolBar>
#include <QToolButton>

namespace zol {

namespace {

constexpr int NoImage = -1;

QString Text(const char* utf8) { return QString::fromUtf8(utf8); }

QAction* MakeAction(QWidget* owner, const char* name, const char* caption, const char* hint, int image)
{
    auto* action = new QAction(Text(caption), owner);
    action->setObjectName(QLatin1String(name));
    action->setStatusTip(Text(hint));
    action->setToolTip(*hint ? Text(hint) : QString(Text(caption)).remove(QLatin1Char('&')));
    if (image != NoImage)
        action->setIcon(ImageListIcon(image));
    // The window's actions are reached through its own menus and keys.
    owner->addAction(action);
    return action;
}

// A menu entry that stands for `action` but carries its own hint and shows
// the key it is known by in the menu; it follows the action's enabled state.
QAction* MenuItem(QAction* action, const char* hint, const char* shownKey)
{
    auto* item = new QAction(action->icon(), action->text() + QLatin1Char('\t') + Text(shownKey), action->parent());
    item->setStatusTip(Text(hint));
    item->setEnabled(action->isEnabled());
    QObject::connect(action, &QAction::changed, item, [item, action] { item->setEnabled(action->isEnabled()); });
    QObject::connect(item, &QAction::triggered, action, &QAction::trigger);
    return item;
}

QToolButton* DropDownButton(QAction* action, QMenu* menu, const char* name)
{
    auto* button = new QToolButton;
    button->setObjectName(QLatin1String(name));
    button->setDefaultAction(action);
    button->setMenu(menu);
    button->setPopupMode(QToolButton::MenuButtonPopup);
    return button;
}

} // namespace

// One row of the command table.
struct TZolForm::CommandEntry {
    enum class Check { No, Yes }; // whether the action is a switch with a check mark

    // A command's handler: the window's (with the tag that tells apart the
    // commands sharing one) or the list controller's.
    class Handler {
    public:
        constexpr Handler(void (TZolForm::*run)()) : run_(run) {}
        constexpr Handler(void (TZolForm::*run)(int), int tag) : runTagged_(run), tag_(tag) {}
        constexpr Handler(void (ListController::*run)()) : runList_(run) {}
        void operator()(TZolForm& form) const
        {
            if (run_)
                (form.*run_)();
            else if (runList_)
                (form.list_.*runList_)();
            else
                (form.*runTagged_)(tag_);
        }

    private:
        void (TZolForm::*run_)() = nullptr;
        void (TZolForm::*runTagged_)(int) = nullptr;
        void (ListController::*runList_)() = nullptr;
        int tag_ = 0;
    };

    QAction* TZolForm::* member;
    const char* name;
    const char* caption;
    const char* hint;
    // Portable key texts separated by "; ". All of them work; menus show the first.
    const char* shortcuts;
    int image; // NoImage: no picture
    Handler run;
    Check checkable = Check::No;
};

// The member that holds the command's action and the action's object name,
// by which tests and scripts run the command.
#define COMMAND(member) &TZolForm::member, #member

const TZolForm::CommandEntry TZolForm::Commands[] = {
    {COMMAND(FileNew), "新規作成(&N)", "新規作成", "", Image::New, &TZolForm::FileNewExecute},
    {COMMAND(FileOpen), "開く(&O)", "開く", "", Image::Open, &TZolForm::FileOpenExecute},
    {COMMAND(FileMarge), "追加読み込み(&M)", "別ファイルのシルエットをリストに追加", "", NoImage,
     &TZolForm::FileMargeExecute},
    {COMMAND(FileSaveAs), "名前を付けて保存(&A)", "", "", NoImage, &TZolForm::FileSaveAsExecute},
    {COMMAND(FileSave), "上書き保存(&S)", "上書き保存", "Ctrl+S", Image::Save, &TZolForm::FileSaveExecute},
    {COMMAND(FilePuzzleSheets), "パズルシートを印刷用PDFに(&P)…", "図形をパズルシートにして印刷用のPDFに書き出す", "",
     NoImage, &TZolForm::FilePuzzleSheetsExecute},
    {COMMAND(FileExportSvg), "SVGで書き出す(&V)…", "リストの図形を1つずつSVGファイルに書き出す", "", NoImage,
     &TZolForm::FileExportSvgExecute},
    {COMMAND(FileExit), "終了(&X)", "アプリケーションの終了", "", NoImage, &TZolForm::FileExitExecute},
    {COMMAND(FileDirOpen), "フォルダを開く", "", "F2", NoImage, &TZolForm::FileDirOpenExecute},
    {COMMAND(FileImportGtans), "gTansの図形を読み込む(&G)…", "gTansの図形集を新しいファイルとして読み込む", "", NoImage,
     &TZolForm::FileImportGtansExecute},
    {COMMAND(FileExportGtans), "gTans形式で書き出す(&T)…", "リストの図形をgTansの図形集として書き出す", "", NoImage,
     &TZolForm::FileExportGtansExecute},
    {COMMAND(EditAdd), "リストに追加(&A)", "編集中の形をリストに追加", "Ctrl+A", Image::AddInsert,
     &ListController::Add},
    {COMMAND(EditBreak), "破棄(&B)", "最初からやり直す", "Ctrl+B", Image::Break, &TZolForm::EditBreakExecute},
    {COMMAND(EditUndo), "アンドゥ(&U)", "１ステップ戻す", "Ctrl+U; Ctrl+Z", Image::Undo, &TZolForm::EditUndoExecute},
    {COMMAND(EditRedo), "リドゥ(&R)", "１ステップ進める", "Ctrl+R; Ctrl+Alt+Z", Image::Redo,
     &TZolForm::EditRedoExecute},
    {COMMAND(EditDelete), "削除(&D)", "削除", "Ctrl+D", Image::Delete, &ListController::Delete},
    {COMMAND(EditGoEdit), "エディット(&E)", "形の編集", "Ctrl+E", Image::GoEdit, &ListController::TakeOntoBoard},
    {COMMAND(EditDown), "下に移動", "１つ下に移動", "", Image::Down, &ListController::MoveDown},
    {COMMAND(EditUp), "上に移動", "１つ上に移動", "", Image::Up, &ListController::MoveUp},
    {COMMAND(OptSSort), "文字列でソート(&S)", "", "", NoImage, &TZolForm::OptSSortExecute},
    {COMMAND(OptNSortLevel3), "大雑把(&R)", "", "", NoImage, {&TZolForm::OptNSortExecute, 4}},
    {COMMAND(OptNSortLevel2), "ほどほど(&M)", "", "", NoImage, {&TZolForm::OptNSortExecute, 2}},
    {COMMAND(OptNSortLevel1), "神経質(&D)", "", "", NoImage, {&TZolForm::OptNSortExecute, 0}},
    {COMMAND(EditChange), "ピースセットの変更", "ピースセットの変更", "", Image::Change, &TZolForm::EditChangeExecute},
    {COMMAND(PaletteCSetWB), "白‐黒", "", "", Image::PaletteWB, {&TZolForm::PaletteCSetExecute, 0}},
    {COMMAND(PaletteCSetBW), "黒‐白", "", "", Image::PaletteBW, {&TZolForm::PaletteCSetExecute, 1}},
    {COMMAND(PaletteCSetBrl2), "黒‐乱枯葉", "", "", Image::PaletteBrl2, {&TZolForm::PaletteCSetExecute, 2}},
    {COMMAND(PaletteCSetBrl), "黒‐乱新緑", "", "", Image::PaletteBrl, {&TZolForm::PaletteCSetExecute, 3}},
    {COMMAND(PaletteCSetBrg), "黒‐乱葡萄", "", "", Image::PaletteBrg, {&TZolForm::PaletteCSetExecute, 4}},
    {COMMAND(PaletteCSetBrR), "黒‐乱朱", "", "", Image::PaletteBrR, {&TZolForm::PaletteCSetExecute, 5}},
    {COMMAND(PaletteCSetTB), "透明‐黒", "", "", Image::PaletteTB, {&TZolForm::PaletteCSetExecute, 6}},
    {COMMAND(PaletteColorCustamize), "カスタマイズ", "パレットのカスタマイズ", "", Image::PaletteCustomize,
     &TZolForm::PaletteColorCustamizeExecute},
    {COMMAND(OptAA), "ガイド画像アンチエイリアスの入切(&A)", "ガイド画像のアンチエイリアス切り換え", "", Image::OptAA,
     &TZolForm::OptAAExecute, CommandEntry::Check::Yes},
    {COMMAND(ClipCopy2), "ガイド画像をクリップボードへ(&G)", "ガイド画像をクリップボードへ", "Ctrl+G", Image::ClipCopy2,
     &TZolForm::ClipCopy2Execute},
    {COMMAND(ClipCopy1), "画像をクリップボードへ(&M)", "画像をクリップボードへ", "Ctrl+M", Image::ClipCopy1,
     &TZolForm::ClipCopy1Execute},
    {COMMAND(OptEye), "オプションツールバーの入切(&O)", "オプションツールバーの表示切り換え", "Ctrl+O", Image::OptEye,
     &TZolForm::OptEyeExecute},
    {COMMAND(OptActiveViewer), "アクティブ・ビューワ(&V)", "", "", NoImage, &TZolForm::OptActiveViewerExecute},
    {COMMAND(OptmkHTML), "HTMLカタログの作成(&H)", "", "", NoImage, &TZolForm::OptmkHTMLExecute},
    {COMMAND(OptRpcal), "円弧上の座標計算機", "", "Ctrl+P", NoImage, &TZolForm::OptRpcalExecute},
    {COMMAND(HelpAbout), "バージョン情報(&I)", "", "", NoImage, &TZolForm::HelpAboutExecute},
    {COMMAND(HelpQRefference), "ヘルプの目次(&Q)", "", "F1", Image::Help, &TZolForm::HelpQRefferenceExecute},
    // The menu item of OptAA, with its own check mark.
    {COMMAND(AA), "ガイド画像アンチエイリアスの入切(&A)", "ガイド画像のアンチエイリアス切り換え", "", NoImage,
     &TZolForm::OptAAExecute, CommandEntry::Check::Yes},
    {COMMAND(ToolButtonShowTable), "テーブル表示", "テーブル表示", "", Image::ShowTable,
     &ListController::ToggleTable, CommandEntry::Check::Yes},
    // The built-in set in the piece-set menu.
    {COMMAND(defaultPlt), "タングラム", "", "", NoImage, {&TZolForm::PltSLoadExecute, TZolForm::BuiltInSetTag}},
    {COMMAND(EditFindDuplicates), "重複する図形を探す(&D)…", "同じシルエットの図形をリストから探す", "", NoImage,
     &TZolForm::EditFindDuplicatesExecute},
    {COMMAND(EditFindSolutions), "この図形の別解を探す…", "選んだ図形のシルエットになるピースの置き方をすべて探す", "",
     NoImage, &TZolForm::EditFindSolutionsExecute},
    {COMMAND(OptPuzzle), "パズルに挑戦(&Z)", "選んだ図形のシルエットをパズルとして解く", "F5", NoImage,
     &TZolForm::OptPuzzleExecute, CommandEntry::Check::Yes},
    {COMMAND(OptHint), "ヒント(&H)", "ピースを１つ正しい位置に置く", "Ctrl+H", NoImage, &TZolForm::OptHintExecute},
    // No menu item: Escape ends the puzzle.
    {COMMAND(PuzzleLeave), "パズルをやめる", "パズルをやめて元の形に戻す", "Esc", NoImage,
     &TZolForm::PuzzleLeaveExecute},
};

#undef COMMAND

void TZolForm::CreateActions()
{
    for (const CommandEntry& entry : Commands) {
        QAction* action = MakeAction(this, entry.name, entry.caption, entry.hint, entry.image);
        QList<QKeySequence> keys;
        for (const QString& key : Text(entry.shortcuts).split(QStringLiteral("; "), Qt::SkipEmptyParts))
            keys << QKeySequence(key, QKeySequence::PortableText);
        action->setShortcuts(keys);
        action->setCheckable(entry.checkable == CommandEntry::Check::Yes);
        const CommandEntry::Handler run = entry.run;
        const std::string_view name = entry.name;
        connect(action, &QAction::triggered, this, [this, run, name] {
            Guarded([&] {
                if (editor_.inPuzzle() && !CommandKeepsPuzzle(name))
                    LeavePuzzle();
                run(*this);
            });
        });
        this->*entry.member = action;
    }
}

void TZolForm::UpdateCommandState()
{
    if (!editor_.hasUndoRing())
        return; // start-up failed: no command can run
    const CommandState state = CommandStateOf(editor_);
    for (const CommandEntry& entry : Commands)
        (this->*entry.member)->setEnabled(CommandEnabled(entry.name, state));
    ShowViewState();
    ShowPuzzleState();
    setWindowTitle(editor_.model.modified() ? AppTitle() + QStringLiteral("（変更）") : AppTitle());
}

void TZolForm::CreateMenus()
{
    QMenuBar* bar = menuBar();
    QMenu* file = bar->addMenu(QStringLiteral("ファイル(&F)"));
    file->addActions({FileNew, FileOpen, FileMarge, FileSaveAs, FileSave});
    file->addSeparator();
    file->addActions({FilePuzzleSheets, FileExportSvg});
    file->addSeparator();
    file->addActions({FileImportGtans, FileExportGtans});
    file->addSeparator();
    file->addAction(FileExit);
    // FileDirOpen has no visible item: it is reached by its key only.

    QMenu* edit = bar->addMenu(QStringLiteral("編集(&E)"));
    edit->addAction(EditAdd);
    edit->addAction(MenuItem(EditBreak, "やり直し", "Ctrl+B"));
    edit->addAction(MenuItem(EditUndo, "アンドゥ", "Ctrl+Z"));
    edit->addAction(MenuItem(EditRedo, "リドゥ", "Ctrl+Alt+Z"));
    edit->addSeparator();
    edit->addActions({EditDelete, EditGoEdit, EditDown, EditUp, OptSSort});
    QMenu* nuance = edit->addMenu(QStringLiteral("ニュアンスでソート(&N)"));
    nuance->setObjectName(QStringLiteral("NSortMenu"));
    nuance->addActions({OptNSortLevel3, OptNSortLevel2, OptNSortLevel1});
    edit->addSeparator();
    edit->addActions({EditFindDuplicates, EditFindSolutions});
    edit->addSeparator();
    edit->addAction(EditChange);

    const QList<QAction*> palettes = {PaletteCSetWB, PaletteCSetBW,  PaletteCSetBrl2, PaletteCSetBrl,
                                      PaletteCSetBrg, PaletteCSetBrR, PaletteCSetTB,  PaletteColorCustamize};
    QMenu* options = bar->addMenu(QStringLiteral("オプション(&O)"));
    options->addMenu(QStringLiteral("パレット変更(&P)"))->addActions(palettes);
    options->addActions({AA, ClipCopy2, ClipCopy1, OptEye, OptActiveViewer, OptmkHTML});
    options->addSeparator();
    options->addActions({OptPuzzle, OptHint});
    // OptRpcal has no visible item either.

    QMenu* help = bar->addMenu(QStringLiteral("ヘルプ(&H)"));
    help->addActions({HelpAbout, HelpQRefference});

    PopupMenuHis = new QMenu(this);
    PopupMenuHis->setObjectName(QStringLiteral("PopupMenuHis"));
    PopupMenuPlt = new QMenu(this);
    PopupMenuPlt->setObjectName(QStringLiteral("PopupMenuPlt"));
    PopupMenuPlt->addAction(defaultPlt);
    PopupMenuPlt->addSeparator();
    PopupMenuCSet = new QMenu(this);
    PopupMenuCSet->setObjectName(QStringLiteral("PopupMenuCSet"));
    PopupMenuCSet->addActions(palettes);
}

void TZolForm::CreateToolBars()
{
    ToolBar = addToolBar(QStringLiteral("ToolBar"));
    ToolBar->setObjectName(QStringLiteral("ToolBar"));
    ToolBar->addAction(FileNew);
    ToolButtonOpen = DropDownButton(FileOpen, PopupMenuHis, "ToolButtonOpen");
    ToolBar->addWidget(ToolButtonOpen);
    ToolBar->addAction(FileSave);
    ToolButtonChange = DropDownButton(EditChange, PopupMenuPlt, "ToolButtonChange");
    ToolBar->addWidget(ToolButtonChange);
    ProgressBar = new QProgressBar;
    ProgressBar->setObjectName(QStringLiteral("ProgressBar"));
    ProgressBar->setFixedWidth(120);
    ProgressBar->setTextVisible(false);
    ProgressBarItem = ToolBar->addWidget(ProgressBar);
    ProgressBarItem->setVisible(false);
    progress_ = std::make_unique<GaugeProgress>(*ProgressBar, *ProgressBarItem);

    OptToolBar = addToolBar(QStringLiteral("OptToolBar"));
    OptToolBar->setObjectName(QStringLiteral("OptToolBar"));
    ToolButtonCSet = new QToolButton;
    ToolButtonCSet->setObjectName(QStringLiteral("ToolButtonCSet"));
    ToolButtonCSet->setIcon(ImageListIcon(Image::CSet));
    ToolButtonCSet->setText(QStringLiteral("パレットの設定と更新"));
    ToolButtonCSet->setToolTip(QStringLiteral("パレットの変更"));
    ToolButtonCSet->setStatusTip(QStringLiteral("パレットの変更"));
    ToolButtonCSet->setMenu(PopupMenuCSet);
    ToolButtonCSet->setPopupMode(QToolButton::MenuButtonPopup);
    connect(ToolButtonCSet, &QToolButton::clicked, this, [this] { Guarded([&] { ToolButtonCSetClick(); }); });
    OptToolBar->addWidget(ToolButtonCSet);
    OptToolBar->addActions({OptAA, ClipCopy2, ClipCopy1});

    Copy1PercentageComboBox = new QComboBox;
    Copy1PercentageComboBox->setObjectName(QStringLiteral("Copy1PercentageComboBox"));
    Copy1PercentageComboBox->setEditable(true);
    // Every typed character counts as typed: no completion from the items.
    Copy1PercentageComboBox->setCompleter(nullptr);
    Copy1PercentageComboBox->setInsertPolicy(QComboBox::NoInsert);
    Copy1PercentageComboBox->addItems({"25", "33", "40", "50", "66", "70", "75", "81", "86", "100", "115", "125",
                                       "133", "141", "150", "166", "175", "200"});
    Copy1PercentageComboBox->setEditText(QStringLiteral("100"));
    Copy1PercentageComboBox->setToolTip(QStringLiteral("画像のコピー倍率"));
    Copy1PercentageComboBox->setStatusTip(QStringLiteral("画像のコピー倍率"));
    Copy1PercentageComboBox->setFixedWidth(56);
    OptToolBar->addWidget(Copy1PercentageComboBox);
    OptToolBar->addWidget(new QLabel(QStringLiteral("% ")));

    auto* flipLabel = new QLabel(QStringLiteral(" flip sens."));
    flipLabel->setToolTip(QStringLiteral("ピースの反転感度"));
    flipLabel->setStatusTip(QStringLiteral("ピースの反転感度"));
    OptToolBar->addWidget(flipLabel);
    flipsensComboBox = new QComboBox;
    flipsensComboBox->setObjectName(QStringLiteral("flipsensComboBox"));
    flipsensComboBox->setEditable(true);
    flipsensComboBox->setCompleter(nullptr);
    flipsensComboBox->setInsertPolicy(QComboBox::NoInsert);
    for (int i = 1; i <= 15; ++i)
        flipsensComboBox->addItem(QString::number(i));
    flipsensComboBox->addItems({"20", "25"});
    flipsensComboBox->setEditText(QStringLiteral("8"));
    flipsensComboBox->setFixedWidth(48);
    OptToolBar->addWidget(flipsensComboBox);
    OptToolBar->addAction(OptEye);

    ToolBarList->addActions({EditDelete, EditUp, EditDown, EditGoEdit});
    ToolBarList->addSeparator();
    ToolBarList->addAction(ToolButtonShowTable);

    ToolBarEdit->addActions({EditAdd, EditUndo, EditRedo});
    ToolBarEdit->addSeparator();
    ToolBarEdit->addAction(EditBreak);
    // The two bars inside the window sit between fixed controls: buttons of
    // 23 x 22 pixels side by side, as the layout was designed for.
    for (QToolBar* bar : {ToolBarList, ToolBarEdit}) {
        bar->setContentsMargins(0, 0, 0, 0);
        bar->layout()->setContentsMargins(0, 0, 0, 0);
        bar->layout()->setSpacing(0);
        for (QAction* action : bar->actions())
            if (QWidget* button = bar->widgetForAction(action); button && !action->isSeparator())
                button->setFixedSize(23, 22);
    }
    ToolButtonAdd = qobject_cast<QToolButton*>(ToolBarEdit->widgetForAction(EditAdd));
    ToolButtonAdd->setObjectName(QStringLiteral("ToolButtonAdd"));

    for (QToolBar* bar : {ToolBar, OptToolBar}) {
        bar->setIconSize(QSize(16, 16));
        bar->setFloatable(false);
    }
}

} // namespace zol

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

// The table's texts are marked for translation where they stand and
// translated here, once the language is in force.
QString Translated(const char* text) { return *text ? TZolForm::tr(text) : QString(); }

QAction* MakeAction(QWidget* owner, const char* name, const char* caption, const char* hint, int image)
{
    auto* action = new QAction(Translated(caption), owner);
    action->setObjectName(QLatin1String(name));
    action->setStatusTip(Translated(hint));
    action->setToolTip(*hint ? Translated(hint) : Translated(caption).remove(QLatin1Char('&')));
    if (image != NoImage)
        action->setIcon(ImageListIcon(image));
    // The window's actions are reached through its own menus and keys.
    owner->addAction(action);
    return action;
}

// A menu entry that stands for `action` but carries its own hint and shows
// the key it is known by in the menu; it follows the action's enabled state.
QAction* MenuItem(QAction* action, const QString& hint, const char* shownKey)
{
    auto* item = new QAction(action->icon(), action->text() + QLatin1Char('\t') + Text(shownKey), action->parent());
    item->setStatusTip(hint);
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
    {COMMAND(FileNew), QT_TR_NOOP("新規作成(&N)"), QT_TR_NOOP("新規作成"), "", Image::New, &TZolForm::FileNewExecute},
    {COMMAND(FileOpen), QT_TR_NOOP("開く(&O)"), QT_TR_NOOP("開く"), "", Image::Open, &TZolForm::FileOpenExecute},
    {COMMAND(FileMarge), QT_TR_NOOP("追加読み込み(&M)"), QT_TR_NOOP("別ファイルのシルエットをリストに追加"), "", NoImage,
     &TZolForm::FileMargeExecute},
    {COMMAND(FileSaveAs), QT_TR_NOOP("名前を付けて保存(&A)"), "", "", NoImage, &TZolForm::FileSaveAsExecute},
    {COMMAND(FileSave), QT_TR_NOOP("上書き保存(&S)"), QT_TR_NOOP("上書き保存"), "Ctrl+S", Image::Save, &TZolForm::FileSaveExecute},
    {COMMAND(FilePuzzleSheets), QT_TR_NOOP("パズルシートを印刷用PDFに(&P)…"), QT_TR_NOOP("図形をパズルシートにして印刷用のPDFに書き出す"), "",
     NoImage, &TZolForm::FilePuzzleSheetsExecute},
    {COMMAND(FileExportSvg), QT_TR_NOOP("SVGで書き出す(&V)…"), QT_TR_NOOP("リストの図形を1つずつSVGファイルに書き出す"), "", NoImage,
     &TZolForm::FileExportSvgExecute},
    {COMMAND(FileExit), QT_TR_NOOP("終了(&X)"), QT_TR_NOOP("アプリケーションの終了"), "", NoImage, &TZolForm::FileExitExecute},
    {COMMAND(FileDirOpen), QT_TR_NOOP("フォルダを開く"), "", "F2", NoImage, &TZolForm::FileDirOpenExecute},
    {COMMAND(FileImportGtans), QT_TR_NOOP("gTansの図形を読み込む(&G)…"), QT_TR_NOOP("gTansの図形集を新しいファイルとして読み込む"), "", NoImage,
     &TZolForm::FileImportGtansExecute},
    {COMMAND(FileExportGtans), QT_TR_NOOP("gTans形式で書き出す(&T)…"), QT_TR_NOOP("リストの図形をgTansの図形集として書き出す"), "", NoImage,
     &TZolForm::FileExportGtansExecute},
    {COMMAND(EditAdd), QT_TR_NOOP("リストに追加(&A)"), QT_TR_NOOP("編集中の形をリストに追加"), "Ctrl+A", Image::AddInsert,
     &ListController::Add},
    {COMMAND(EditBreak), QT_TR_NOOP("破棄(&B)"), QT_TR_NOOP("最初からやり直す"), "Ctrl+B", Image::Break, &TZolForm::EditBreakExecute},
    {COMMAND(EditUndo), QT_TR_NOOP("アンドゥ(&U)"), QT_TR_NOOP("１ステップ戻す"), "Ctrl+U; Ctrl+Z", Image::Undo, &TZolForm::EditUndoExecute},
    {COMMAND(EditRedo), QT_TR_NOOP("リドゥ(&R)"), QT_TR_NOOP("１ステップ進める"), "Ctrl+R; Ctrl+Alt+Z", Image::Redo,
     &TZolForm::EditRedoExecute},
    {COMMAND(EditDelete), QT_TR_NOOP("削除(&D)"), QT_TR_NOOP("削除"), "Ctrl+D", Image::Delete, &ListController::Delete},
    {COMMAND(EditGoEdit), QT_TR_NOOP("エディット(&E)"), QT_TR_NOOP("形の編集"), "Ctrl+E", Image::GoEdit, &ListController::TakeOntoBoard},
    {COMMAND(EditDown), QT_TR_NOOP("下に移動"), QT_TR_NOOP("１つ下に移動"), "", Image::Down, &ListController::MoveDown},
    {COMMAND(EditUp), QT_TR_NOOP("上に移動"), QT_TR_NOOP("１つ上に移動"), "", Image::Up, &ListController::MoveUp},
    {COMMAND(OptSSort), QT_TR_NOOP("文字列でソート(&S)"), "", "", NoImage, &TZolForm::OptSSortExecute},
    {COMMAND(OptNSortLevel3), QT_TR_NOOP("大雑把(&R)"), "", "", NoImage, {&TZolForm::OptNSortExecute, 4}},
    {COMMAND(OptNSortLevel2), QT_TR_NOOP("ほどほど(&M)"), "", "", NoImage, {&TZolForm::OptNSortExecute, 2}},
    {COMMAND(OptNSortLevel1), QT_TR_NOOP("神経質(&D)"), "", "", NoImage, {&TZolForm::OptNSortExecute, 0}},
    {COMMAND(EditChange), QT_TR_NOOP("ピースセットの変更"), QT_TR_NOOP("ピースセットの変更"), "", Image::Change, &TZolForm::EditChangeExecute},
    {COMMAND(PaletteCSetWB), QT_TR_NOOP("白‐黒"), "", "", Image::PaletteWB, {&TZolForm::PaletteCSetExecute, 0}},
    {COMMAND(PaletteCSetBW), QT_TR_NOOP("黒‐白"), "", "", Image::PaletteBW, {&TZolForm::PaletteCSetExecute, 1}},
    {COMMAND(PaletteCSetBrl2), QT_TR_NOOP("黒‐乱枯葉"), "", "", Image::PaletteBrl2, {&TZolForm::PaletteCSetExecute, 2}},
    {COMMAND(PaletteCSetBrl), QT_TR_NOOP("黒‐乱新緑"), "", "", Image::PaletteBrl, {&TZolForm::PaletteCSetExecute, 3}},
    {COMMAND(PaletteCSetBrg), QT_TR_NOOP("黒‐乱葡萄"), "", "", Image::PaletteBrg, {&TZolForm::PaletteCSetExecute, 4}},
    {COMMAND(PaletteCSetBrR), QT_TR_NOOP("黒‐乱朱"), "", "", Image::PaletteBrR, {&TZolForm::PaletteCSetExecute, 5}},
    {COMMAND(PaletteCSetTB), QT_TR_NOOP("透明‐黒"), "", "", Image::PaletteTB, {&TZolForm::PaletteCSetExecute, 6}},
    {COMMAND(PaletteColorCustamize), QT_TR_NOOP("カスタマイズ"), QT_TR_NOOP("パレットのカスタマイズ"), "", Image::PaletteCustomize,
     &TZolForm::PaletteColorCustamizeExecute},
    {COMMAND(OptAA), QT_TR_NOOP("ガイド画像アンチエイリアスの入切(&A)"), QT_TR_NOOP("ガイド画像のアンチエイリアス切り換え"), "", Image::OptAA,
     &TZolForm::OptAAExecute, CommandEntry::Check::Yes},
    {COMMAND(ClipCopy2), QT_TR_NOOP("ガイド画像をクリップボードへ(&G)"), QT_TR_NOOP("ガイド画像をクリップボードへ"), "Ctrl+G", Image::ClipCopy2,
     &TZolForm::ClipCopy2Execute},
    {COMMAND(ClipCopy1), QT_TR_NOOP("画像をクリップボードへ(&M)"), QT_TR_NOOP("画像をクリップボードへ"), "Ctrl+M", Image::ClipCopy1,
     &TZolForm::ClipCopy1Execute},
    {COMMAND(OptEye), QT_TR_NOOP("オプションツールバーの入切(&O)"), QT_TR_NOOP("オプションツールバーの表示切り換え"), "Ctrl+O", Image::OptEye,
     &TZolForm::OptEyeExecute},
    {COMMAND(OptActiveViewer), QT_TR_NOOP("アクティブ・ビューワ(&V)"), "", "", NoImage, &TZolForm::OptActiveViewerExecute},
    {COMMAND(OptmkHTML), QT_TR_NOOP("HTMLカタログの作成(&H)"), "", "", NoImage, &TZolForm::OptmkHTMLExecute},
    {COMMAND(OptRpcal), QT_TR_NOOP("円弧上の座標計算機"), "", "Ctrl+P", NoImage, &TZolForm::OptRpcalExecute},
    {COMMAND(HelpAbout), QT_TR_NOOP("バージョン情報(&I)"), "", "", NoImage, &TZolForm::HelpAboutExecute},
    {COMMAND(HelpQRefference), QT_TR_NOOP("ヘルプの目次(&Q)"), "", "F1", Image::Help, &TZolForm::HelpQRefferenceExecute},
    // The menu item of OptAA, with its own check mark.
    {COMMAND(AA), QT_TR_NOOP("ガイド画像アンチエイリアスの入切(&A)"), QT_TR_NOOP("ガイド画像のアンチエイリアス切り換え"), "", NoImage,
     &TZolForm::OptAAExecute, CommandEntry::Check::Yes},
    {COMMAND(ToolButtonShowTable), QT_TR_NOOP("テーブル表示"), QT_TR_NOOP("テーブル表示"), "", Image::ShowTable,
     &ListController::ToggleTable, CommandEntry::Check::Yes},
    // The built-in set in the piece-set menu, by the name documents know it by.
    {COMMAND(defaultPlt), "タングラム", "", "", NoImage, {&TZolForm::PltSLoadExecute, TZolForm::BuiltInSetTag}},
    {COMMAND(EditFindDuplicates), QT_TR_NOOP("重複する図形を探す(&D)…"), QT_TR_NOOP("同じシルエットの図形をリストから探す"), "", NoImage,
     &TZolForm::EditFindDuplicatesExecute},
    {COMMAND(EditFindSolutions), QT_TR_NOOP("この図形の別解を探す…"), QT_TR_NOOP("選んだ図形のシルエットになるピースの置き方をすべて探す"), "",
     NoImage, &TZolForm::EditFindSolutionsExecute},
    {COMMAND(OptPuzzle), QT_TR_NOOP("パズルに挑戦(&Z)"), QT_TR_NOOP("選んだ図形のシルエットをパズルとして解く"), "F5", NoImage,
     &TZolForm::OptPuzzleExecute, CommandEntry::Check::Yes},
    {COMMAND(OptHint), QT_TR_NOOP("ヒント(&H)"), QT_TR_NOOP("ピースを１つ正しい位置に置く"), "Ctrl+H", NoImage, &TZolForm::OptHintExecute},
    // No menu item: Escape ends the puzzle.
    {COMMAND(PuzzleLeave), QT_TR_NOOP("パズルをやめる"), QT_TR_NOOP("パズルをやめて元の形に戻す"), "Esc", NoImage,
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
    setWindowTitle(editor_.model.modified() ? AppTitle() + tr("（変更）") : AppTitle());
}

void TZolForm::CreateMenus()
{
    QMenuBar* bar = menuBar();
    QMenu* file = bar->addMenu(tr("ファイル(&F)"));
    file->addActions({FileNew, FileOpen, FileMarge, FileSaveAs, FileSave});
    file->addSeparator();
    file->addActions({FilePuzzleSheets, FileExportSvg});
    file->addSeparator();
    file->addActions({FileImportGtans, FileExportGtans});
    file->addSeparator();
    file->addAction(FileExit);
    // FileDirOpen has no visible item: it is reached by its key only.

    QMenu* edit = bar->addMenu(tr("編集(&E)"));
    edit->addAction(EditAdd);
    edit->addAction(MenuItem(EditBreak, tr("やり直し"), "Ctrl+B"));
    edit->addAction(MenuItem(EditUndo, tr("アンドゥ"), "Ctrl+Z"));
    edit->addAction(MenuItem(EditRedo, tr("リドゥ"), "Ctrl+Alt+Z"));
    edit->addSeparator();
    edit->addActions({EditDelete, EditGoEdit, EditDown, EditUp, OptSSort});
    QMenu* nuance = edit->addMenu(tr("ニュアンスでソート(&N)"));
    nuance->setObjectName(QStringLiteral("NSortMenu"));
    nuance->addActions({OptNSortLevel3, OptNSortLevel2, OptNSortLevel1});
    edit->addSeparator();
    edit->addActions({EditFindDuplicates, EditFindSolutions});
    edit->addSeparator();
    edit->addAction(EditChange);

    const QList<QAction*> palettes = {PaletteCSetWB, PaletteCSetBW,  PaletteCSetBrl2, PaletteCSetBrl,
                                      PaletteCSetBrg, PaletteCSetBrR, PaletteCSetTB,  PaletteColorCustamize};
    QMenu* options = bar->addMenu(tr("オプション(&O)"));
    options->addMenu(tr("パレット変更(&P)"))->addActions(palettes);
    options->addActions({AA, ClipCopy2, ClipCopy1, OptEye, OptActiveViewer, OptmkHTML});
    options->addSeparator();
    options->addActions({OptPuzzle, OptHint});
    options->addSeparator();
    CreateLanguageMenu(options);
    // OptRpcal has no visible item either.

    QMenu* help = bar->addMenu(tr("ヘルプ(&H)"));
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
    ToolButtonCSet->setText(tr("パレットの設定と更新"));
    ToolButtonCSet->setToolTip(tr("パレットの変更"));
    ToolButtonCSet->setStatusTip(tr("パレットの変更"));
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
    Copy1PercentageComboBox->setToolTip(tr("画像のコピー倍率"));
    Copy1PercentageComboBox->setStatusTip(tr("画像のコピー倍率"));
    Copy1PercentageComboBox->setFixedWidth(56);
    OptToolBar->addWidget(Copy1PercentageComboBox);
    OptToolBar->addWidget(new QLabel(QStringLiteral("% ")));

    auto* flipLabel = new QLabel(QStringLiteral(" flip sens."));
    flipLabel->setToolTip(tr("ピースの反転感度"));
    flipLabel->setStatusTip(tr("ピースの反転感度"));
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

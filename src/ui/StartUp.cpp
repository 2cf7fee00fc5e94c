// The start-up of the main window: the settings file, the history and
// piece-set menus, the undo history, the palette, a document named on the
// command line, and the window's bounds.
#include "ui/ZolForm.h"

#include "io/AppPaths.h"
#include "model/Random.h"
#include "ui/ActionGuard.h"
#include "ui/DisplayText.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QToolBar>

namespace zol {

void TZolForm::FormCreate()
{
    Settings& settings = editor_.settings;
    SeedRandomFromClock();
    editor_.currentFolder = QDir::currentPath();
    settings = ReadSettings(SettingsFilePath(), QGuiApplication::primaryScreen()->virtualGeometry());

    CreateHistoryMenu();
    UpdateHistoryMenu();

    try {
        editor_.CreateUndoRing(settings.maxundo);
    } catch (const std::bad_alloc&) {
        dialogs_.Error(QStringLiteral("メモリが確保できません。\nアプリケーションは終了します。"));
        startupFailed_ = true;
        return;
    }

    flipsensComboBox->setEditText(QString::number(settings.flipsens));
    editor_.view.antialias = settings.aadown;
    OptToolBar->setVisible(settings.opttbv);

    const QColor workspace = palette().color(QPalette::Window);
    editor_.model.setWorkspaceRgb(
        static_cast<ColorRef>(workspace.red() | workspace.green() << 8 | workspace.blue() << 16));
    ApplyPalette(settings.palette);

    if (!QFileInfo(settings.inidir).isDir())
        settings.inidir = ProgramFolder();
    BuildPieceSetMenu();

    editor_.model.LoadBuiltInSet();
    editor_.model.ClearFigureList();
    const std::optional<QString> figureError = OpenCommandLineDocument();

    ShowBoardAndGuide(UndoStep::Reset);
    UpdateCommandState();
    UpdateStatusBar();
    RestoreWindowBounds();
    if (figureError)
        dialogs_.Error(*figureError);
}

std::optional<QString> TZolForm::OpenCommandLineDocument()
{
    if (!commandLineDocument_)
        return std::nullopt;
    // A document that cannot be read leaves the empty document as it was.
    bool loaded = false;
    RunGuarded(dialogs_,
               [&] { loaded = commandLineDocument_->LoadInto(editor_.model, editor_.currentFolder, prompter_); });
    commandLineDocument_.reset();
    if (!loaded)
        return std::nullopt;
    const int n = editor_.model.figureCount();
    list_.RowsRead(0, n);
    AddToHistory();
    if (n == 0)
        return std::nullopt;
    list_.Select(0);
    return TakeListFigure(0);
}

void TZolForm::RestoreWindowBounds()
{
    Settings& settings = editor_.settings;
    // Position and size are the frame's, as written back at shut-down. A
    // size larger than the screen's available area is shown at most as large
    // (a window of 32767 pixels a side would take gigabytes).
    const QPoint topLeft(settings.left, settings.top);
    const QScreen* screen = QGuiApplication::screenAt(topLeft);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QSize available = screen ? screen->availableGeometry().size() : QSize(settings.width, settings.height);
    pendingFrameSize_ = QSize(settings.width, settings.height).boundedTo(available);
    restoredBounds_ = QRect(topLeft, pendingFrameSize_);
    ResizeFrame();
    move(settings.left, settings.top);
    FormResize();
    if (settings.ws == 1)
        setWindowState(Qt::WindowMinimized);
    else if (settings.ws == 2)
        setWindowState(Qt::WindowMaximized);
}

void TZolForm::ResizeFrame()
{
    if (pendingFrameSize_.isEmpty() || windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return;
    const QSize frame = frameGeometry().size() - size();
    resize(pendingFrameSize_ - frame);
    // Without a frame yet, a window manager may still put one around the
    // window: the size is given again when it has.
    if (!frame.isNull())
        pendingFrameSize_ = QSize();
}

} // namespace zol

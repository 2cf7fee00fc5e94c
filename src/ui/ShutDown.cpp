// Closing the main window: the question about unsaved changes, then every
// setting written back to Zol.ini.
#include "ui/ZolForm.h"

#include "io/AppPaths.h"
#include "io/FileError.h"
#include "ui/ActionGuard.h"
#include "ui/Dialogs.h"

#include <QAction>
#include <QCloseEvent>
#include <QToolBar>

namespace zol {

void TZolForm::closeEvent(QCloseEvent* event)
{
    if (closed_ || startupFailed_) {
        event->accept();
        return;
    }
    if (!FormClose()) {
        event->ignore();
        return;
    }
    closed_ = true;
    event->accept();
}

bool TZolForm::FormClose()
{
    // Yes that did not save (a cancelled name, a failed write) keeps the
    // window open rather than dropping the user's work.
    if (!QuerySave(false))
        return false;
    WriteSettingsFile();
    return true;
}

void TZolForm::WriteSettingsFile()
{
    Settings& settings = editor_.settings;
    settings.aadown = editor_.view.antialias;
    settings.opttbv = !OptToolBar->isHidden();
    settings.palette.bgcolor = editor_.model.backgroundColor();
    const Qt::WindowStates state = windowState();
    settings.ws = state & Qt::WindowMinimized ? 1 : state & Qt::WindowMaximized ? 2 : 0;
    const bool normal = !(state & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
    if (normal) {
        // The frame's position and size, as start-up sets them. What the user
        // did not move or resize keeps the values read, which may lie beyond
        // the screen.
        const QRect frame = frameGeometry();
        if (frame.topLeft() != restoredBounds_.topLeft()) {
            settings.left = frame.x();
            settings.top = frame.y();
        }
        if (frame.size() != restoredBounds_.size()) {
            settings.width = frame.width();
            settings.height = frame.height();
        }
    }
    try {
        WriteSettings(SettingsFilePath(), settings, normal);
    } catch (const FileError& e) {
        dialogs_.Error(QStringLiteral("設定を保存できませんでした。\n") + ErrorText(e));
    }
}

} // namespace zol

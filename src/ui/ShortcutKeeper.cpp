#include "ui/ShortcutKeeper.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace zol {

ShortcutKeeper::ShortcutKeeper(QWidget* window) : QObject(window), window_(window)
{
    qApp->installEventFilter(this);
}

bool ShortcutKeeper::isActionShortcut(const QKeyEvent& key) const
{
    const QKeySequence pressed(key.keyCombination());
    for (const QAction* action : window_->actions())
        for (const QKeySequence& shortcut : action->shortcuts())
            if (shortcut.matches(pressed) == QKeySequence::ExactMatch)
                return true;
    return false;
}

bool ShortcutKeeper::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || (widget != window_ && !window_->isAncestorOf(widget)))
        return false;
    // Swallowing the override event (not accepting it) lets the shortcut run.
    return isActionShortcut(static_cast<const QKeyEvent&>(*event));
}

} // namespace zol

#pragma once
// Text fields and lists claim some keys for themselves (Ctrl+A selects all
// text, Ctrl+Z undoes typing). In the editor window the command shortcuts
// come first, whichever control has the focus: this filter keeps those keys
// from being claimed, so they reach the window's actions.

#include <QObject>

class QKeyEvent;
class QWidget;

namespace zol {

class ShortcutKeeper : public QObject {
public:
    // Watches key presses aimed at `window` and its children.
    explicit ShortcutKeeper(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool isActionShortcut(const QKeyEvent& key) const;

    QWidget* window_;
};

} // namespace zol

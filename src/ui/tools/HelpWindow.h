#pragma once
// The program's help: HTML pages with a table of contents, shown in a window
// of their own with back, forward and contents buttons.

#include "ui/Translations.h"

#include <QWidget>

class QTextBrowser;
class QToolButton;

namespace zol {

class Dialogs;

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    // Opens `contents`, the table of contents page.
    HelpWindow(const QString& contents, QWidget* parent = nullptr);

    QTextBrowser* browser() const { return browser_; }
    QToolButton* backButton() const { return back_; }
    QToolButton* forwardButton() const { return forward_; }
    QToolButton* contentsButton() const { return home_; }

private:
    QTextBrowser* browser_;
    QToolButton* back_;
    QToolButton* forward_;
    QToolButton* home_;
};

// The table of contents of the help the program ships, in `language`
// (a code such as "ja" or "en"; the window's language by default).
QString HelpContentsPath(const QString& language = WindowLanguage());

// Shows the help at its contents: one window, raised when it is already
// open. A missing help file is reported with one error message.
HelpWindow* ShowHelp(Dialogs& dialogs, QWidget* parent, const QString& contents = HelpContentsPath());

} // namespace zol

#include "ui/tools/HelpWindow.h"

#include "io/AppPaths.h"
#include "io/LanguageChoice.h"
#include "ui/AppTitle.h"
#include "ui/Dialogs.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QPointer>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace zol {

namespace {

QToolButton* NavigationButton(const QString& text, QKeySequence key, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setText(text);
    button->setShortcut(key);
    button->setToolTip(text + QStringLiteral(" (") + key.toString(QKeySequence::NativeText) + QStringLiteral(")"));
    return button;
}

QString HelpCaption(const QString& pageTitle)
{
    const QString caption = AppTitle() + HelpWindow::tr(" ヘルプ");
    return pageTitle.isEmpty() ? caption : caption + QStringLiteral(" ‐ ") + pageTitle;
}

} // namespace

HelpWindow::HelpWindow(const QString& contents, QWidget* parent)
    : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this)),
      back_(NavigationButton(tr("戻る"), QKeySequence::Back, this)),
      forward_(NavigationButton(tr("進む"), QKeySequence::Forward, this)),
      home_(NavigationButton(tr("目次"), QKeySequence(Qt::ALT | Qt::Key_Home), this))
{
    setObjectName(QStringLiteral("HelpWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(720, 600);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back_);
    buttons->addWidget(forward_);
    buttons->addWidget(home_);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);

    browser_->setOpenExternalLinks(true);
    back_->setEnabled(false);
    forward_->setEnabled(false);
    connect(back_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    connect(home_, &QToolButton::clicked, browser_, &QTextBrowser::home);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this,
            [this] { setWindowTitle(HelpCaption(browser_->documentTitle())); });
    browser_->setSource(QUrl::fromLocalFile(QFileInfo(contents).absoluteFilePath()));
    browser_->setFocus();
}

QString HelpContentsPath(const QString& language)
{
    // The Japanese pages are the originals, at the top of the help folder;
    // a language without pages of its own reads the English ones.
    if (language == SourceLanguage)
        return DataPath(QStringLiteral("help/index.html"));
    const QString own = DataPath(QStringLiteral("help/%1/index.html").arg(language));
    return QFileInfo::exists(own) ? own : DataPath(QStringLiteral("help/en/index.html"));
}

HelpWindow* ShowHelp(Dialogs& dialogs, QWidget* parent, const QString& contents)
{
    if (!QFileInfo(contents).isFile()) {
        dialogs.Error(HelpWindow::tr("ヘルプファイル %1 が見つかりません。").arg(DisplayPath(contents)));
        return nullptr;
    }
    static QPointer<HelpWindow> open;
    if (open && open->parentWidget() == parent) {
        open->browser()->setSource(QUrl::fromLocalFile(QFileInfo(contents).absoluteFilePath()));
    } else {
        delete open;
        open = new HelpWindow(contents, parent);
    }
    open->show();
    open->raise();
    open->activateWindow();
    return open;
}

} // namespace zol

#include "io/AppPaths.h"
#include "support/ScriptedDialogs.h"
#include "ui/tools/HelpWindow.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace zol;

namespace {

QString Contents() { return QDir(QStringLiteral(HELP_FOLDER)).filePath(QStringLiteral("index.html")); }

QString PageName(const QTextBrowser* browser) { return browser->source().fileName(); }

TEST(HelpWindow, OpensAtTheContentsAndWalksBackAndForward)
{
    ScriptedDialogs dialogs;
    QWidget owner;
    HelpWindow* help = ShowHelp(dialogs, &owner, Contents());
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(dialogs.records().empty());
    EXPECT_TRUE(help->isVisible());
    QTextBrowser* browser = help->browser();
    EXPECT_EQ(PageName(browser), QStringLiteral("index.html"));
    EXPECT_EQ(help->windowTitle(), QStringLiteral("Zol editor ヘルプ ‐ 目次"));
    EXPECT_FALSE(help->backButton()->isEnabled());

    browser->setSource(QUrl(QStringLiteral("arc.html")));
    EXPECT_EQ(PageName(browser), QStringLiteral("arc.html"));
    EXPECT_TRUE(browser->toPlainText().contains(QStringLiteral("計算点数")));
    ASSERT_TRUE(help->backButton()->isEnabled());
    help->backButton()->click();
    EXPECT_EQ(PageName(browser), QStringLiteral("index.html"));
    ASSERT_TRUE(help->forwardButton()->isEnabled());
    help->forwardButton()->click();
    EXPECT_EQ(PageName(browser), QStringLiteral("arc.html"));
    help->contentsButton()->click();
    EXPECT_EQ(PageName(browser), QStringLiteral("index.html"));

    // F1 again: the same window, back at the contents.
    browser->setSource(QUrl(QStringLiteral("keys.html")));
    EXPECT_EQ(ShowHelp(dialogs, &owner, Contents()), help);
    EXPECT_EQ(PageName(browser), QStringLiteral("index.html"));
}

TEST(HelpWindow, AMissingHelpFileGivesOneMessageAndNoWindow)
{
    ScriptedDialogs dialogs;
    QWidget owner;
    const QTemporaryDir empty;
    const QString missing = QDir(empty.path()).filePath(QStringLiteral("index.html"));
    EXPECT_EQ(ShowHelp(dialogs, &owner, missing), nullptr);
    ASSERT_EQ(dialogs.records().size(), 1u);
    EXPECT_EQ(dialogs.records()[0].kind, ScriptedDialogs::Kind::Error);
    EXPECT_EQ(dialogs.records()[0].text,
              QStringLiteral("ヘルプファイル %1 が見つかりません。").arg(QDir::toNativeSeparators(missing)));
    EXPECT_TRUE(owner.findChildren<HelpWindow*>().isEmpty());
}

} // namespace

TEST(HelpWindow, F1OpensThePagesOfTheWindowsLanguage)
{
    QTemporaryDir program;
    const QDir folder(program.path());
    for (const char* page : {"help/index.html", "help/en/index.html", "help/fr/index.html"}) {
        folder.mkpath(QFileInfo(folder.filePath(QLatin1String(page))).path());
        QFile file(folder.filePath(QLatin1String(page)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    SetProgramFolder(program.path());
    const struct {
        const char* language;
        const char* page;
    } cases[] = {
        {"ja", "help/index.html"},
        {"en", "help/en/index.html"},
        {"fr", "help/fr/index.html"},
        {"de", "help/en/index.html"}, // no pages of its own: the English ones
    };
    for (const auto& c : cases)
        EXPECT_EQ(HelpContentsPath(QLatin1String(c.language)), folder.filePath(QLatin1String(c.page))) << c.language;
    EXPECT_EQ(HelpContentsPath(), folder.filePath(QStringLiteral("help/index.html"))) << "the window speaks Japanese";
    SetProgramFolder({});
}

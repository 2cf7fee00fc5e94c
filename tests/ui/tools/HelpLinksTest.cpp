// Every page of the shipped help, in Japanese and in English, is reached from
// the contents, and every link of every page leads to a page (and an anchor)
// that exists; the English pages are the Japanese ones, page for page.
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTextDocument>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

QString Read(const QDir& help, const QString& page)
{
    QFile file(help.filePath(page));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QStringList Matches(const QString& html, const QString& pattern)
{
    QStringList found;
    for (const QRegularExpressionMatch& m : QRegularExpression(pattern).globalMatch(html))
        found << m.captured(1);
    return found;
}

QStringList Pages(const QDir& help) { return help.entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name); }

QStringList Anchors(const QString& html) { return Matches(html, QStringLiteral("id=\"([^\"]*)\"")); }

class HelpLinks : public testing::TestWithParam<const char*> {};

TEST_P(HelpLinks, EveryLinkResolvesAndEveryPageIsReached)
{
    const QDir Help(QStringLiteral(HELP_FOLDER) + QString::fromLatin1(GetParam()));
    QSet<QString> reached;
    QStringList queue = {QStringLiteral("index.html")};
    while (!queue.isEmpty()) {
        const QString page = queue.takeFirst();
        if (reached.contains(page))
            continue;
        reached.insert(page);
        const QString html = Read(Help, page);
        ASSERT_FALSE(html.isEmpty()) << page.toStdString();
        QTextDocument document;
        document.setHtml(html);
        EXPECT_FALSE(document.metaInformation(QTextDocument::DocumentTitle).isEmpty()) << page.toStdString();
        for (const QString& href : Matches(html, QStringLiteral("href=\"([^\"]*)\""))) {
            const QUrl url(href);
            if (!url.scheme().isEmpty())
                continue; // a link out of the help
            const QString target = url.path().isEmpty() ? page : url.path();
            const std::string where = (page + " -> " + href).toStdString();
            ASSERT_TRUE(Help.exists(target)) << where;
            if (target.endsWith(QLatin1String(".html")))
                queue << target;
            if (url.hasFragment()) {
                EXPECT_TRUE(Anchors(Read(Help, target)).contains(url.fragment())) << where;
            }
        }
    }
    const QStringList pages = Pages(Help);
    EXPECT_GE(pages.size(), 2);
    for (const QString& page : pages)
        EXPECT_TRUE(reached.contains(page)) << page.toStdString() << " is not reached from the contents";
}

INSTANTIATE_TEST_SUITE_P(Languages, HelpLinks, testing::Values("", "/en"),
                         [](const testing::TestParamInfo<const char*>& info) {
                             return *info.param ? std::string(info.param + 1) : std::string("ja");
                         });

// A page or a section missing from the English help would leave a link of the
// window (or of a page) without its counterpart once F1 follows the language.
TEST(HelpTranslation, EnglishHasEveryPageAndSectionOfTheJapanese)
{
    const QDir japanese(QStringLiteral(HELP_FOLDER));
    const QDir english(japanese.filePath(QStringLiteral("en")));
    ASSERT_EQ(Pages(english), Pages(japanese));
    for (const QString& page : Pages(japanese)) {
        const QString translated = Read(english, page);
        EXPECT_EQ(Anchors(translated), Anchors(Read(japanese, page))) << page.toStdString();
        EXPECT_TRUE(translated.contains(QLatin1String("<html lang=\"en\">"))) << page.toStdString();
    }
}

} // namespace

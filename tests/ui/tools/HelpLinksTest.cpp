// Every page of the shipped help is reached from the contents, and every link
// of every page leads to a page (and an anchor) that exists.
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTextDocument>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

const QDir Help(QStringLiteral(HELP_FOLDER));

QString Read(const QString& page)
{
    QFile file(Help.filePath(page));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QStringList Matches(const QString& html, const QString& pattern)
{
    QStringList found;
    for (const QRegularExpressionMatch& m : QRegularExpression(pattern).globalMatch(html))
        found << m.captured(1);
    return found;
}

TEST(HelpLinks, EveryLinkResolvesAndEveryPageIsReached)
{
    QSet<QString> reached;
    QStringList queue = {QStringLiteral("index.html")};
    while (!queue.isEmpty()) {
        const QString page = queue.takeFirst();
        if (reached.contains(page))
            continue;
        reached.insert(page);
        const QString html = Read(page);
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
                EXPECT_TRUE(Matches(Read(target), QStringLiteral("id=\"([^\"]*)\"")).contains(url.fragment()))
                    << where;
            }
        }
    }
    const QStringList pages = Help.entryList({QStringLiteral("*.html")}, QDir::Files);
    EXPECT_GE(pages.size(), 2);
    for (const QString& page : pages)
        EXPECT_TRUE(reached.contains(page)) << page.toStdString() << " is not reached from the contents";
}

} // namespace

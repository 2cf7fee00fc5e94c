// End to end: a catalogue written by zoltool (the editor's own export code)
// opened in headless Chromium from its file:// URL. Every strip image must
// load through the page's links, backslash included, at the width the page
// gives it.
//
//   e2e_catalogue <path of zoltool> <data folder> <folder for screenshots>
#include "E2eSupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QUrl>

namespace {

using namespace e2e;

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        Fail(QStringLiteral("cannot read ") + path);
    return file.readAll();
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        Fail(QStringLiteral("cannot write ") + path);
}

QStringList Chromium(const QString& profile, const QStringList& extra, const QString& page)
{
    return HeadlessChromium(profile) + QStringList{QStringLiteral("--virtual-time-budget=10000")} + extra +
           QStringList{QUrl::fromLocalFile(page).toString()};
}

} // namespace

int main(int argc, char** argv)
{
    const Opening test(argc, argv, "e2e_catalogue <zoltool> <data folder> <screenshot folder>");
    const QString zoltool = test[1];
    const QString data = test[2];

    QTemporaryDir work;
    const QString document = QDir(work.path()).filePath(QStringLiteral("sample.zol"));
    if (!QFile::copy(QDir(data).filePath(QStringLiteral("zols/sample.zol")), document))
        Fail(QStringLiteral("cannot copy the sample document"));
    const QStringList written =
        Run(zoltool, {QStringLiteral("catalogue"), document, QStringLiteral("--palette"), QStringLiteral("2"),
                      QStringLiteral("--seed"), QStringLiteral("7")})
            .split('\n');
    const QString page = written.value(0);
    Check(page.endsWith(QStringLiteral("sample.htm")) && written.size() >= 2,
          QStringLiteral("zoltool wrote the page and %1 strips").arg(written.size() - 1));

    // The widths the page asks for, in the order of its image lines.
    const QString text = QString::fromLatin1(ReadAll(page));
    QStringList widths;
    static const QRegularExpression image(QStringLiteral(R"re(<img src="sample_files\\\d+\.png" style="width:(\d+)px)re"));
    for (auto it = image.globalMatch(text); it.hasNext();)
        widths << it.next().captured(1);
    Check(widths.size() == written.size() - 1, QStringLiteral("one image line with a backslash per strip"));

    // The same page with a probe that reports what the browser loaded.
    QByteArray probed = ReadAll(page);
    probed.replace("</body>", "<script>window.onload = function () { document.title = "
                              "Array.prototype.map.call(document.images, function (i) { return i.naturalWidth; })"
                              ".join(','); };</script>\r\n</body>");
    const QString probe = QDir(work.path()).filePath(QStringLiteral("probe.htm"));
    WriteAll(probe, probed);
    const QString profile = QDir(work.path()).filePath(QStringLiteral("profile"));
    const QString dom = Run(QStringLiteral("chromium"), Chromium(profile, {QStringLiteral("--dump-dom")}, probe), 120000);
    static const QRegularExpression title(QStringLiteral("<title>([^<]*)</title>"));
    const QString loaded = title.match(dom).captured(1);
    Check(loaded == widths.join(','), QStringLiteral("every strip loaded at its width: ") + loaded);

    // A picture of the page to look at.
    Run(QStringLiteral("chromium"),
        Chromium(profile, {QStringLiteral("--window-size=800,1400"),
                           QStringLiteral("--screenshot=") + QDir(g_shots).filePath(QStringLiteral("catalogue.png"))},
                 page),
        120000);
    std::printf("all checks passed\n");
    return 0;
}

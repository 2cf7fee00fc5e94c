// End to end: the slide show written by zoltool animate plays in a browser.
//
//   e2e_webp_chromium <path of zoltool> <data folder>
//
// Headless Chromium decodes the animated WebP with its own decoder: it must
// see an endless animation of 128 x 128 frames, one per 50 ms tick while the
// pieces move.
#include "E2eSupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

using namespace e2e;

// The animation travels inside the page, so that nothing waits for a file.
const char* Page = R"(<!DOCTYPE html><html><body><p id="result">pending</p>
<script id="webp" type="application/octet-stream">WEBP</script><script>
(async () => {
  const out = document.getElementById('result');
  try {
    const data = Uint8Array.from(atob(document.getElementById('webp').textContent), c => c.charCodeAt(0));
    const decoder = new ImageDecoder({data, type: 'image/webp'});
    await decoder.tracks.ready;
    const track = decoder.tracks.selectedTrack;
    const first = (await decoder.decode({frameIndex: 0})).image;
    const later = (await decoder.decode({frameIndex: 5})).image;
    out.textContent = `animated=${track.animated} loop=${track.repetitionCount} width=${first.displayWidth} ` +
                      `frames=${track.frameCount} first=${first.duration / 1000} later=${later.timestamp / 1000}`;
  } catch (e) {
    out.textContent = 'error ' + e;
  }
})();
</script></body></html>)";

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3)
        Fail(QStringLiteral("usage: e2e_webp_chromium <zoltool> <data folder>"));
    const QString data = QString::fromLocal8Bit(argv[2]);
    QTemporaryDir work;
    const QDir folder(work.path());
    Run(QString::fromLocal8Bit(argv[1]), {QStringLiteral("animate"), data + QStringLiteral("/zols/sample.zol"),
                                          folder.filePath(QStringLiteral("show.webp")), QStringLiteral("--figures"),
                                          QStringLiteral("3"), QStringLiteral("--seed"), QStringLiteral("1")});
    QFile webp(folder.filePath(QStringLiteral("show.webp")));
    if (!webp.open(QIODevice::ReadOnly))
        Fail(QStringLiteral("zoltool wrote no show.webp"));
    QFile page(folder.filePath(QStringLiteral("page.html")));
    if (!page.open(QIODevice::WriteOnly) || page.write(QByteArray(Page).replace("WEBP", webp.readAll().toBase64())) < 0)
        Fail(QStringLiteral("cannot write the page"));
    page.close();

    // Chromium writes the page out after a budget of virtual time, which
    // does not wait for the decoder's threads: a page still pending is
    // loaded again (a wrong result is not).
    QString dom;
    for (int attempt = 0; attempt < 10; ++attempt) {
        dom = Run(QStringLiteral("chromium"),
                  {QStringLiteral("--headless"), QStringLiteral("--no-sandbox"), QStringLiteral("--disable-gpu"),
                   QStringLiteral("--no-first-run"), QStringLiteral("--disable-background-networking"),
                   QStringLiteral("--disable-component-update"), QStringLiteral("--disable-sync"),
                   QStringLiteral("--user-data-dir=") + folder.filePath(QStringLiteral("profile%1").arg(attempt)),
                   QStringLiteral("--virtual-time-budget=20000"), QStringLiteral("--dump-dom"),
                   QStringLiteral("file://") + page.fileName()},
                  120000);
        if (!dom.contains(QStringLiteral(">pending<")))
            break;
    }
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral(
        R"(animated=(\w+) loop=(\S+) width=(\d+) frames=(\d+) first=(\d+) later=(\d+))")).match(dom);
    if (!m.hasMatch())
        Fail(QStringLiteral("Chromium did not decode the animation: ") + dom.section(QStringLiteral("<p"), 1, 1).left(200));
    std::printf("chromium: %s\n", qPrintable(m.captured(0)));
    Check(m.captured(1) == QStringLiteral("true"), QStringLiteral("Chromium sees an animation"));
    Check(m.captured(2) == QStringLiteral("Infinity"), QStringLiteral("that loops endlessly"));
    Check(m.captured(3).toInt() == 128, QStringLiteral("of 128-pixel pictures"));
    Check(m.captured(4).toInt() >= 30, QStringLiteral("with a frame for every moving tick"));
    Check(m.captured(5).toInt() == 50, QStringLiteral("the first showing for one 50 ms tick"));
    Check(m.captured(6).toInt() == 250, QStringLiteral("the sixth starting at 250 ms"));
    std::printf("all checks passed\n");
    return 0;
}

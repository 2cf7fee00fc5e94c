// End to end: the slide show written by zoltool animate plays in a browser.
//
//   e2e_webp_chromium <path of zoltool> <data folder> <folder for screenshots>
//
// Headless Chromium decodes the animated WebP with its own decoder: it must
// see an endless animation of 128 x 128 frames, one per 50 ms tick while the
// pieces move. Then, shown in a page as the clock runs, the picture must go
// through the animation's own ticks, forwards.
#include "DevToolsPipe.h"
#include "E2eSupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <map>
#include <set>
#include <vector>

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

const char* Showing = R"(<!DOCTYPE html><html><body style="margin:0"><img src="data:image/webp;base64,WEBP"></body></html>)";

QByteArray PixelBytes(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    return QByteArray(reinterpret_cast<const char*>(rgb.constBits()), rgb.sizeInBytes());
}

// Each picture of the tick folder zoltool writes, to the first tick showing it.
std::map<QByteArray, int> TickPictures(const QDir& folder)
{
    std::map<QByteArray, int> ticks;
    for (int tick = 0;; ++tick) {
        const QImage picture(folder.filePath(QStringLiteral("%1.png").arg(tick)));
        if (picture.isNull())
            break;
        ticks.emplace(PixelBytes(picture), tick);
    }
    if (ticks.size() < 2)
        Fail(QStringLiteral("zoltool wrote no changing tick pictures"));
    return ticks;
}

void WritePage(const QString& path, const char* page, const QByteArray& webp)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(QByteArray(page).replace("WEBP", webp.toBase64())) < 0)
        Fail(QStringLiteral("cannot write ") + path);
}

// The ticks whose pictures Chromium shows, one screenshot every 100 ms, until
// three different ones have shown (a still picture holds for seconds).
std::vector<int> TicksShown(const QString& profile, const QString& page, const std::map<QByteArray, int>& ticks)
{
    DevToolsBrowser browser(profile, page);
    const QJsonValue width = browser.Evaluate(QStringLiteral(
        "new Promise(done => { const poll = () => { const i = document.images[0];"
        " i && i.complete && i.naturalWidth ? done(i.naturalWidth) : setTimeout(poll, 20); }; poll(); })"));
    Check(width.toInt() == 128, QStringLiteral("the page shows the 128-pixel animation"));
    std::vector<int> shown;
    QElapsedTimer timer;
    timer.start();
    while (shown.size() < 10 || std::set<int>(shown.begin(), shown.end()).size() < 3) {
        if (timer.elapsed() > 30000)
            break;
        const QImage shot = browser.Screenshot(QRect(0, 0, 128, 128));
        shot.save(QDir(g_shots).filePath(QStringLiteral("%1-playing.png").arg(shown.size(), 3, 10, QLatin1Char('0'))));
        const auto tick = ticks.find(PixelBytes(shot));
        if (tick == ticks.end())
            Fail(QStringLiteral("screenshot %1 shows no tick of the animation").arg(shown.size()));
        shown.push_back(tick->second);
        Pause(100);
    }
    return shown;
}

} // namespace

int main(int argc, char** argv)
{
    const Opening test(argc, argv, "e2e_webp_chromium <zoltool> <data folder> <screenshot folder>");
    const QString data = test[2];
    QTemporaryDir work;
    const QDir folder(work.path());
    // The same animation as a WebP and as one picture per tick.
    for (const QString& out : {QStringLiteral("show.webp"), QStringLiteral("ticks")})
        Run(test[1], {QStringLiteral("animate"), data + QStringLiteral("/zols/sample.zol"),
                                              folder.filePath(out), QStringLiteral("--figures"), QStringLiteral("3"),
                                              QStringLiteral("--seed"), QStringLiteral("1")});
    QFile webp(folder.filePath(QStringLiteral("show.webp")));
    if (!webp.open(QIODevice::ReadOnly))
        Fail(QStringLiteral("zoltool wrote no show.webp"));
    const QByteArray bytes = webp.readAll();
    const QString page = folder.filePath(QStringLiteral("page.html"));
    WritePage(page, Page, bytes);

    // Chromium writes the page out after a budget of virtual time, which
    // does not wait for the decoder's threads: a page still pending is
    // loaded again (a wrong result is not).
    QString dom;
    for (int attempt = 0; attempt < 10; ++attempt) {
        dom = Run(QStringLiteral("chromium"),
                  HeadlessChromium(folder.filePath(QStringLiteral("profile%1").arg(attempt))) +
                      QStringList{QStringLiteral("--virtual-time-budget=20000"), QStringLiteral("--dump-dom"),
                                  QStringLiteral("file://") + page},
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

    const QString showing = folder.filePath(QStringLiteral("showing.html"));
    WritePage(showing, Showing, bytes);
    const std::vector<int> shown =
        TicksShown(folder.filePath(QStringLiteral("profile-playing")), showing, TickPictures(folder.filePath(QStringLiteral("ticks"))));
    QStringList listed;
    for (int tick : shown)
        listed << QString::number(tick);
    std::printf("ticks shown: %s\n", qPrintable(listed.join(' ')));
    Check(std::set<int>(shown.begin(), shown.end()).size() >= 3, QStringLiteral("the picture changes as the clock runs"));
    // Forwards, the loop starting over at most once on a slow machine.
    int turns = 0;
    for (size_t k = 1; k < shown.size(); ++k)
        turns += shown[k] < shown[k - 1];
    Check(turns <= 1, QStringLiteral("going forwards through the ticks"));
    std::printf("all checks passed\n");
    return 0;
}

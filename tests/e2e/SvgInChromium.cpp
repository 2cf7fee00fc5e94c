// End to end: the SVG files zoltool writes, read as XML and shown by headless
// Chromium. Each picture, shown at its own size, must cover the pixels the
// board covers for that figure: the same area within 1 %, and the same
// places (at most 1 % of the area on one side and not the other).
//
//   e2e_svg_chromium <path of zoltool> <data folder> <folder for screenshots>
#include "DevToolsPipe.h"
#include "E2eSupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QXmlStreamReader>

#include <cmath>

namespace {

using namespace e2e;

// The pictures are shown one at a time, top left, on white.
const char* Page = R"(<!DOCTYPE html><html><body style="margin:0; background:#ffffff">
<img id="figure" style="display:block"></body></html>)";

struct Style {
    const char* name;
    QStringList options;
    // How much of the figure covers a pixel (0..1): on the board, and in
    // Chromium's picture on the white page.
    double (*board)(QRgb);
    double (*shown)(QRgb);
};

double White(QRgb p) { return qGray(p) / 255.0; }
double Black(QRgb p) { return 1.0 - qGray(p) / 255.0; }
// Black pieces on the window's colour, which zoltool draws grey.
double BlackOnGrey(QRgb p) { return qGray(p) < 0x50 ? 1.0 : 0.0; }

const Style Styles[] = {
    {"pieces", {QStringLiteral("--palette"), QStringLiteral("1")}, White, White},
    {"silhouette", {QStringLiteral("--palette"), QStringLiteral("1"), QStringLiteral("--silhouette")}, White, White},
    {"transparent", {QStringLiteral("--palette"), QStringLiteral("6")}, BlackOnGrey, Black},
};

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        Fail(QStringLiteral("cannot read ") + path);
    return file.readAll();
}

// The view box of a well-formed SVG file; a file that does not parse ends the test.
QRectF ViewBox(const QString& path)
{
    QXmlStreamReader xml(ReadAll(path));
    QRectF box;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"svg") {
            const QStringList v = xml.attributes().value("viewBox").toString().split(' ');
            if (v.size() == 4)
                box = QRectF(v[0].toDouble(), v[1].toDouble(), v[2].toDouble(), v[3].toDouble());
        }
    }
    if (xml.hasError())
        Fail(path + QStringLiteral(" is no well-formed XML: ") + xml.errorString());
    if (box.isEmpty())
        Fail(path + QStringLiteral(" has no view box"));
    return box;
}

struct Comparison {
    double board = 0.0;
    double shown = 0.0;
    int apart = 0; // pixels covered on one side only (at least half)
};

// The picture's pixel (x, y) shows board pixel (x, y) + offset: the view box
// lies half a pixel off the board's whole pixels.
Comparison Compare(const QImage& board, const QImage& shot, QPoint offset, const Style& style)
{
    Comparison c;
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            const QPoint b = QPoint(x, y) + offset;
            const double onBoard = board.rect().contains(b) ? style.board(board.pixel(b)) : 0.0;
            const double inShot = style.shown(shot.pixel(x, y));
            c.board += onBoard;
            c.shown += inShot;
            c.apart += (onBoard >= 0.5) != (inShot >= 0.5);
        }
    }
    return c;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 4)
        Fail(QStringLiteral("usage: e2e_svg_chromium <zoltool> <data folder> <screenshot folder>"));
    const QString zoltool = QString::fromLocal8Bit(argv[1]);
    const QString document = QString::fromLocal8Bit(argv[2]) + QStringLiteral("/zols/sample.zol");
    g_shots = QString::fromLocal8Bit(argv[3]);
    QDir().mkpath(g_shots);
    QTemporaryDir work;
    const QDir folder(work.path());
    const QString page = folder.filePath(QStringLiteral("page.html"));
    QFile pageFile(page);
    if (!pageFile.open(QIODevice::WriteOnly) || pageFile.write(Page) < 0)
        Fail(QStringLiteral("cannot write the page"));
    pageFile.close();

    DevToolsBrowser browser(folder.filePath(QStringLiteral("profile")), page);
    for (const Style& style : Styles) {
        const QString out = folder.filePath(QString::fromLatin1(style.name));
        const QStringList files =
            Run(zoltool, QStringList{QStringLiteral("svg"), document, out} + style.options).split('\n');
        Check(files.size() == 14, QStringLiteral("%1: zoltool wrote an SVG file per figure").arg(style.name));
        for (int k = 0; k < files.size(); ++k) {
            const QRectF box = ViewBox(files[k]);
            const QString boardPng = folder.filePath(QStringLiteral("board.png"));
            Run(zoltool, QStringList{QStringLiteral("render"), QStringLiteral("%1:%2").arg(document).arg(k), boardPng} +
                             style.options.mid(0, 2));
            const QImage board = QImage(boardPng).convertToFormat(QImage::Format_RGB32);
            const QJsonValue width = browser.Evaluate(
                QStringLiteral("(async () => { const i = document.getElementById('figure'); i.src = '%1';"
                               " await i.decode(); return i.naturalWidth; })()")
                    .arg(QUrl::fromLocalFile(files[k]).toString()));
            if (width.toInt() != qRound(box.width()))
                Fail(QStringLiteral("%1 shows %2 pixels wide, not %3").arg(files[k]).arg(width.toInt()).arg(box.width()));
            const QImage shot = browser.Screenshot(QRect(0, 0, qRound(box.width()), qRound(box.height())));
            shot.save(QDir(g_shots).filePath(QStringLiteral("%1-%2.png").arg(style.name).arg(k + 1, 2, 10, QLatin1Char('0'))));
            const Comparison c =
                Compare(board, shot, QPoint(qRound(box.x() + 0.5), qRound(box.y() + 0.5)), style);
            std::printf("%s %2d: board %.0f, Chromium %.1f, apart %d\n", style.name, k + 1, c.board, c.shown, c.apart);
            if (std::abs(c.shown - c.board) > 0.01 * c.board || c.apart > 0.01 * c.board)
                Fail(QStringLiteral("%1 does not cover the board's pixels").arg(files[k]));
        }
        Check(true, QStringLiteral("%1: every figure covers the board's pixels in Chromium").arg(style.name));
    }
    std::printf("all checks passed\n");
    return 0;
}

// End to end: the real editor started with a document on its command line,
// from a program folder of its own, and closed through its File menu.
//
//   e2e_open <path of zol> <path of zoltool> <data folder> <folder for screenshots>
//
// It checks that the list shows the document's figures and the board its
// figure 0, pixel for pixel as zoltool draws it, and that closing writes
// Zol.ini beside the program with its five sections in CP932.
#include "E2eSupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

namespace {

using namespace e2e;

// Dark text pixels in a row of the list, whose background is white.
bool HasText(const QImage& shot, const QRect& row)
{
    for (int y = row.top(); y <= row.bottom(); ++y)
        for (int x = row.left(); x <= row.right(); ++x)
            if (qGray(shot.pixel(x, y)) < 100)
                return true;
    return false;
}

// Pixel values alone: the screenshot and the PNG may differ in what they keep
// in the unused alpha byte.
bool SamePixels(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return false;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (qRgb(qRed(a.pixel(x, y)), qGreen(a.pixel(x, y)), qBlue(a.pixel(x, y))) !=
                qRgb(qRed(b.pixel(x, y)), qGreen(b.pixel(x, y)), qBlue(b.pixel(x, y))))
                return false;
    return true;
}

// Where the shot shows `board` pixel for pixel: tried at every black run of
// 512 pixels in the window, as the board's top row is one.
std::optional<QRect> FindImage(const QImage& shot, const QRect& window, const QImage& board)
{
    const QRect area = window.intersected(shot.rect());
    for (int y = area.top(); y <= area.bottom() - 511; ++y) {
        int run = 0;
        for (int x = area.left(); x <= area.right(); ++x) {
            run = IsBlack(shot, {x, y}) ? run + 1 : 0;
            if (run >= 512 && SamePixels(shot.copy(x - 511, y, 512, 512), board))
                return QRect(x - 511, y, 512, 512);
        }
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char** argv)
{
    const Opening test(argc, argv, "e2e_open <zol> <zoltool> <data folder> <screenshot folder>");
    const QString data = test[3];

    // The program with the shipped sets in a folder of its own, where Zol.ini lands.
    const ProgramFolder program(test[1], data);
    const QString& zol = program.zol;
    const QString document = program.Path(QStringLiteral("documents/sample.zol"));
    Copy(data + QStringLiteral("/zols/sample.zol"), document);

    const QString figure0 = program.Path(QStringLiteral("figure0.png"));
    Run(test[2], {QStringLiteral("render"), document + QStringLiteral(":0"), figure0});
    const QImage expected = QImage(figure0).convertToFormat(QImage::Format_RGB32);

    QProcess editor;
    const EditorWindow started = StartEditor(editor, zol, {document});
    const QRect frame = started.frame;

    QRect board;
    const QImage shot = WaitFor(QStringLiteral("opened"), [&](const QImage& s) {
        const auto found = FindImage(s, frame, expected);
        if (found)
            board = *found;
        return found.has_value();
    });
    Note(QStringLiteral("the board shows figure 0 of the document"));
    const QRect list(board.left() - 148, board.top() + 162, 137, 356);
    // Rows of 12 pixels, one per figure of the document, then nothing.
    const auto row = [&](int i) { return QRect(list.left() + 4, list.top() + 2 + 12 * i, list.width() - 24, 11); };
    bool rows = true;
    for (int i = 0; i < 14; ++i)
        rows = rows && HasText(shot, row(i));
    Check(rows && !HasText(shot, row(14)), QStringLiteral("the list shows the 14 captions"));

    CloseThroughFileMenu(editor);

    QFile ini(program.Path(QStringLiteral("Zol.ini")));
    Check(ini.open(QIODevice::ReadOnly), QStringLiteral("Zol.ini was written beside the program"));
    const QByteArray bytes = ini.readAll();
    // The section names in CP932: システム, ヒストリー, パレット, ポジション, ウィンドウ.
    const char* sections[] = {
        "[\x83\x56\x83\x58\x83\x65\x83\x80]",
        "[\x83\x71\x83\x58\x83\x67\x83\x8a\x81\x5b]",
        "[\x83\x70\x83\x8c\x83\x62\x83\x67]",
        "[\x83\x7c\x83\x57\x83\x56\x83\x87\x83\x93]",
        "[\x83\x45\x83\x42\x83\x93\x83\x68\x83\x45]",
    };
    for (const char* section : sections)
        Check(bytes.contains(QByteArray(section) + "\r\n"), QStringLiteral("a section in CP932"));
    Check(bytes.contains(("0=" + document + "\r\n").toLocal8Bit()), QStringLiteral("the document is in the history"));
    std::printf("all checks passed\n");
    return 0;
}

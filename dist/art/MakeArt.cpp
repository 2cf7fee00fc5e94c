// Makes the program's pictures from their drawings at build time:
//   make_art picture DRAWING.svg OUT.bmp   the version picture: the drawing
//       above "Zol editor", the version and the credit line; a 240 x 300
//       bitmap of 256 colours, all of them grey
//   make_art icon ICON.svg SIZE OUT.png    the icon at SIZE x SIZE
// The version comes from the build (ZOL_VERSION).
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

namespace {

constexpr int PictureWidth = 240;
constexpr int PictureHeight = 300;
// The box that shows the picture cuts its last rows; the texts stay above.
constexpr int DrawingHeight = 210;

int Fail(const char* what, const char* name)
{
    std::fprintf(stderr, "make_art: %s %s\n", what, name);
    return 1;
}

QFont Font(int pixels, bool bold)
{
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

void Caption(QPainter& p, int top, int height, const QFont& font, const QString& text)
{
    p.setFont(font);
    p.drawText(QRect(0, top, PictureWidth, height), Qt::AlignCenter, text);
}

QImage VersionPicture(QSvgRenderer& drawing)
{
    QImage image(PictureWidth, PictureHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawing.render(&p, QRectF(0, 0, PictureWidth, DrawingHeight));
    p.setPen(Qt::black);
    Caption(p, 206, 30, Font(24, true), QStringLiteral("Zol editor"));
    Caption(p, 236, 18, Font(13, false), QStringLiteral("Version " ZOL_VERSION));
    p.drawLine(60, 258, 180, 258);
    Caption(p, 262, 16, Font(11, false), QStringLiteral("© the Zol editor project"));
    p.end();
    // Black and white in 256 grey levels.
    QList<QRgb> greys;
    for (int g = 0; g < 256; ++g)
        greys << qRgb(g, g, g);
    return image.convertToFormat(QImage::Format_Grayscale8).convertToFormat(QImage::Format_Indexed8, greys);
}

QImage Icon(QSvgRenderer& drawing, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawing.render(&p, QRectF(0, 0, size, size));
    return image;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    const bool picture = args.size() == 4 && args[1] == QLatin1String("picture");
    const bool icon = args.size() == 5 && args[1] == QLatin1String("icon");
    if (!picture && !icon) {
        std::fprintf(stderr, "usage: make_art picture DRAWING.svg OUT.bmp | icon ICON.svg SIZE OUT.png\n");
        return 2;
    }
    QSvgRenderer drawing(args[2]);
    if (!drawing.isValid())
        return Fail("cannot read", argv[2]);
    const QImage image = picture ? VersionPicture(drawing) : Icon(drawing, args[3].toInt());
    const QString out = args.last();
    if (image.isNull() || !image.save(out))
        return Fail("cannot write", qPrintable(out));
    return 0;
}

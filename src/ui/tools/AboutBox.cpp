#include "ui/tools/AboutBox.h"

#include "io/AppPaths.h"
#include "ui/tools/ToolSheet.h"

#include <QBitmap>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>

namespace zol {

namespace {

constexpr QSize ClientSize(249, 345);

// The picture's background (its bottom-left pixel) lets the sheet show through.
QPixmap TransparentPicture(const QString& path)
{
    const QImage image(path);
    if (image.isNull())
        return {};
    QPixmap pixmap = QPixmap::fromImage(image);
    const QRgb background = image.pixel(0, image.height() - 1);
    pixmap.setMask(pixmap.createMaskFromColor(QColor(background), Qt::MaskInColor));
    return pixmap;
}

} // namespace

QString VersionPicturePath()
{
    return DataPath(QStringLiteral("pictures/version.bmp"));
}

TAboutBox::TAboutBox(const QString& picturePath, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    MakeToolWindow(this, tr("バージョン情報"), ClientSize);
    new ToolSheet({QRect(0, 24, 249, 321), QRect(0, 16, 241, 321), QRect(8, 30, 225, 299)}, this);
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 32, 249, 289);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setPixmap(TransparentPicture(picturePath));
    new TitleStrip(QStringLiteral("Version Information  "), 24, this);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), ClientSize);
        frame.moveCenter(screen->geometry().center());
        move(frame.topLeft());
    }
}

} // namespace zol

#include "ColourDialogFixture.h"

#include "io/LineFile.h"
#include "io/TextCodec.h"

#include <QTimer>
#include <QWidget>

namespace zol::test {

const char* const SmallColourTable = "白\r\n255,255,255\r\nred\r\n255,0,0\r\naqua\r\n0,255,255\r\n"
                                     "cyan\r\n0,255,255\r\n黒\r\n0,0,0\r\n";

QString ColourDialogTest::WriteColourTable(const char* text)
{
    const QString path = dir.filePath("rgbdata.txt");
    WriteFileAtomically(path, *EncodeText(QString::fromUtf8(text), TextEncoding::Cp932));
    return path;
}

QImage Shown(QWidget* widget) { return widget->grab().toImage().convertToFormat(QImage::Format_RGB32); }

uint32_t ColourValueAt(const QImage& image, int x, int y)
{
    const QRgb p = image.pixel(x, y);
    return qRed(p) + 256u * qGreen(p) + 65536u * qBlue(p);
}

void WhenModal(std::function<void()> step) { QTimer::singleShot(0, std::move(step)); }

} // namespace zol::test

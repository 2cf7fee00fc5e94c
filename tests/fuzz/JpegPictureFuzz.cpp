// The viewer's background pictures: any bytes decode to a picture or to none,
// never to a crash, a hang or a runaway allocation, and a decoded picture is
// one the viewer can stretch to its 512 x 512 board, decoded at a scale that
// keeps it within its budget.
#include "FuzzSupport.h"

#include "io/JpegFile.h"
#include "io/ViewerBackground.h"

using namespace zol;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QImage picture = DecodeJpeg(bytes);
    if (picture.isNull())
        return 0;
    fuzz::Require(picture.width() > 0 && picture.height() > 0, "a decoded picture has pixels");
    fuzz::Require(qint64(picture.width()) * picture.height() <= JpegMaxPixels,
                  "a decoded picture holds no more pixels than the budget");
    const QString path = fuzz::ScratchPath("background.jpg");
    fuzz::WriteBytes(path, data, size);
    const QImage stretched = ReadViewerPicture(path);
    fuzz::Require(stretched.size() == QSize(512, 512), "a readable picture is stretched to the board");
    return 0;
}

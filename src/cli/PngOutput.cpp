#include "cli/PngOutput.h"

#include "export/PngStrip.h"

namespace zol::cli {

void WritePng(const QImage& image, const QString& path)
{
    // The catalogue's PNG writer: every byte goes through the one atomic
    // write, and a failure comes back with its reason, not as a message
    // of the PNG library on stderr.
    const QImage rgb = image.format() == QImage::Format_RGB32 ? image : image.convertToFormat(QImage::Format_RGB32);
    WritePngStrip(rgb, rgb.width(), path);
}

} // namespace zol::cli

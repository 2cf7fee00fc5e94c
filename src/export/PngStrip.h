#pragma once
// Strip images as PNG files: 8-bit RGB, no alpha, no interlacing, no chunks
// beyond IHDR, IDAT and IEND.

#include <QImage>
#include <QString>

namespace zol {

// Writes the leftmost `width` columns of `strip` (RGB32) to path, through a
// temporary file beside it that is renamed over path. False when the file
// cannot be created or written, memory runs out, or the PNG library reports
// an error; an old file at path then stays as it was.
bool WritePngStrip(const QImage& strip, int width, const QString& path);

} // namespace zol

#pragma once
// Strip images as PNG files: 8-bit RGB, no alpha, no interlacing, no chunks
// beyond IHDR, IDAT and IEND.

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>

namespace zol {

// The PNG bytes of the leftmost `width` columns of `strip` (RGB32, or ARGB32
// with its alpha left out), or nothing when the image does not fit, memory
// runs out or the PNG library reports an error. Touches no shared state, so strips can be encoded on
// several threads at once.
std::optional<QByteArray> EncodePngStrip(const QImage& strip, int width);

// Writes encoded bytes to path through a temporary file beside it that is
// renamed over path. False when the file cannot be created or written; an
// old file at path then stays as it was.
bool WritePngBytes(const QByteArray& png, const QString& path);

// EncodePngStrip, then WritePngBytes.
bool WritePngStrip(const QImage& strip, int width, const QString& path);

} // namespace zol

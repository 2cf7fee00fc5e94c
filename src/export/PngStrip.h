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

// Writes encoded bytes to path as every file is written (AtomicFile). Throws
// FileError with the file and the reason; an old file at path then stays as
// it was.
void WritePngBytes(const QByteArray& png, const QString& path);

// EncodePngStrip, then WritePngBytes; a strip that cannot be encoded throws
// the same FileError.
void WritePngStrip(const QImage& strip, int width, const QString& path);

// The FileError of a strip that could not be encoded.
[[noreturn]] void FailEncoding(const QString& path);

} // namespace zol

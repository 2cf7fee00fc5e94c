#pragma once
// JPEG pictures (the viewer's backgrounds), decoded with libjpeg.

#include <QImage>
#include <QString>

namespace zol {

// The picture in the file at path, or a null image when the file is missing
// or is not a whole, readable JPEG: a broken file never ends the program.
QImage ReadJpeg(const QString& path);

// The same from bytes already in memory.
QImage DecodeJpeg(const QByteArray& bytes);

} // namespace zol

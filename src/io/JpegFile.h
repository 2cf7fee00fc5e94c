#pragma once
// JPEG pictures (the viewer's backgrounds), decoded with libjpeg. The viewer
// shows them at 512 x 512, so a large picture is decoded at a reduced scale
// (libjpeg does this while decoding, at a fraction of the work and memory),
// never below 512 pixels a side where the picture has them. What still needs
// more memory than JpegMemoryBudget is refused.

#include <QImage>
#include <QString>

#include <string>

namespace zol {

// The most a decode may hold: the decoded pixels, at most four times those
// of the 512 x 512 board, and libjpeg's own buffers (a progressive picture's
// keep every coefficient of the whole picture).
inline constexpr long JpegMaxPixels = 4L * 512 * 512;
inline constexpr long JpegMemoryBudget = 64L << 20;

// The picture in the file at path, or a null image when the file is missing
// or is not a whole, readable JPEG that fits the budget: a broken file never
// ends the program. Given `why`, a null image comes with the reason there.
QImage ReadJpeg(const QString& path, std::string* why = nullptr);

// The same from bytes already in memory.
QImage DecodeJpeg(const QByteArray& bytes, std::string* why = nullptr);

} // namespace zol

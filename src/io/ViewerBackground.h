#pragma once
// The active viewer's background picture: the document's own picture beside
// it, or one of the program's two photographs.

#include <QImage>
#include <QString>

#include <cstdint>
#include <string>

namespace zol {

enum class Photo { None, A, B };

struct ViewerBackground {
    QImage picture; // 512 x 512, or null when there is none
    Photo photo = Photo::None; // a genuine program photograph: its credit is shown
};

// The first that exists of: the document's path with ".bmp", with ".jpg"
// (documentPath empty for a document without a file), then "photoA.jpg" for
// an even `random`, "photoB.jpg" for an odd one, in dataFolder. A picture of
// another size is stretched to 512 x 512; a file that cannot be read means
// no picture.
ViewerBackground LoadViewerBackground(const QString& documentPath, const QString& dataFolder, int32_t random);

// A picture file as the viewer uses it: a JPEG (".jpg", ".jpeg") through
// libjpeg, anything else as a bitmap, stretched to 512 x 512. Null when the
// file cannot be read; given `why`, the reason is put there.
QImage ReadViewerPicture(const QString& path, std::string* why = nullptr);

// The sum of the blue, green and red bytes of every pixel (modulo 2^31), by
// which the program's own photographs are recognised.
int32_t PictureSum(const QImage& picture);

// The sums of the shipped photoA.jpg and photoB.jpg.
inline constexpr int32_t PhotoASum = 0xA4A2F49;
inline constexpr int32_t PhotoBSum = 0x8123F95;

} // namespace zol

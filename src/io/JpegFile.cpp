#include "io/JpegFile.h"

#include <QFile>

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace zol {

namespace {

constexpr JDIMENSION MaxSide = 16384;
constexpr long MaxDecoderMemory = 512L * 1024 * 1024;

// libjpeg ends the process on a decode error unless the error handler leaves
// by a long jump; every decode runs inside such a handler.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf escape;
};

[[noreturn]] void LeaveDecode(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->escape, 1);
}

// Warnings include "premature end of data", which libjpeg would otherwise
// paint over with grey: a truncated file counts as broken.
void RefuseWarning(j_common_ptr info, int level)
{
    if (level < 0)
        LeaveDecode(info);
}

// Only plain data lives between setjmp and longjmp: the image is filled
// row by row and handed out after the decoder is destroyed.
bool Decode(jpeg_decompress_struct& info, ErrorManager& errors, const QByteArray& bytes, QImage& image)
{
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = LeaveDecode;
    errors.base.emit_message = RefuseWarning;
    if (setjmp(errors.escape))
        return false;
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    // A header may claim any size in a few bytes: refuse a huge picture before
    // the decoder sets aside memory for it, and cap what a progressive
    // picture's whole-image buffers may take (beyond it the decode fails).
    if (info.image_width == 0 || info.image_height == 0 || info.image_width > MaxSide || info.image_height > MaxSide)
        return false;
    info.mem->max_memory_to_use = MaxDecoderMemory;
    // Straight into the bytes of a 32-bit QImage pixel.
    info.out_color_space = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRX : JCS_EXT_XRGB;
    jpeg_start_decompress(&info);
    image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                   QImage::Format_RGB32);
    if (image.isNull())
        return false;
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    return true;
}

} // namespace

QImage DecodeJpeg(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return {};
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    QImage image;
    const bool ok = Decode(info, errors, bytes, image);
    jpeg_destroy_decompress(&info);
    if (!ok)
        return {};
    return image;
}

QImage ReadJpeg(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return DecodeJpeg(file.readAll());
}

} // namespace zol

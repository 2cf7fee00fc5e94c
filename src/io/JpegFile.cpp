#include "io/JpegFile.h"

#include "io/FileError.h"
#include "io/LineFile.h"
#include "model/Figure.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>
// After jpeglib.h, which it needs.
#include <jerror.h>

namespace zol {

namespace {

// libjpeg ends the process on a decode error unless the error handler leaves
// by a long jump; every decode runs inside such a handler, which keeps the
// library's words for the reason.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf escape;
    char text[JMSG_LENGTH_MAX];
};

[[noreturn]] void LeaveDecode(j_common_ptr info)
{
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    errors->base.format_message(info, errors->text);
    std::longjmp(errors->escape, 1);
}

// Warnings include "premature end of data", which libjpeg would otherwise
// paint over with grey: a truncated file counts as broken.
void RefuseWarning(j_common_ptr info, int level)
{
    if (level < 0)
        LeaveDecode(info);
}

long OutputPixels(const jpeg_decompress_struct& info) { return long(info.output_width) * long(info.output_height); }

// Decoding at n/8 of the size: the smallest n that keeps each side at the
// board's 512 pixels or more where the picture has them, then smaller still
// while the pixels exceed the budget (a long, narrow picture).
void ChooseScale(jpeg_decompress_struct& info)
{
    const auto atScale = [&info](unsigned eighths) {
        info.scale_num = eighths;
        info.scale_denom = 8;
        jpeg_calc_output_dimensions(&info);
    };
    const JDIMENSION wantWidth = std::min<JDIMENSION>(info.image_width, BoardSize);
    const JDIMENSION wantHeight = std::min<JDIMENSION>(info.image_height, BoardSize);
    unsigned eighths = 1;
    for (atScale(eighths); eighths < 8 && (info.output_width < wantWidth || info.output_height < wantHeight);)
        atScale(++eighths);
    while (eighths > 1 && OutputPixels(info) > JpegMaxPixels)
        atScale(--eighths);
}

enum class Outcome { Decoded, Broken, TooManyPixels, TooMuchMemory };

// Only plain data lives between setjmp and longjmp: the image is filled
// row by row and handed out after the decoder is destroyed.
Outcome Decode(jpeg_decompress_struct& info, ErrorManager& errors, const QByteArray& bytes, QImage& image)
{
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = LeaveDecode;
    errors.base.emit_message = RefuseWarning;
    if (setjmp(errors.escape)) {
        const int code = errors.base.msg_code;
        return code == JERR_OUT_OF_MEMORY || code == JERR_NO_BACKING_STORE ? Outcome::TooMuchMemory : Outcome::Broken;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    if (info.image_width == 0 || info.image_height == 0)
        return Outcome::Broken;
    // A header may claim any size in a few bytes: a picture too large even
    // at the smallest scale is refused before the decoder sets memory aside,
    // and a progressive picture's whole-image buffers may take no more than
    // the budget (beyond it the decode fails).
    ChooseScale(info);
    if (OutputPixels(info) > JpegMaxPixels)
        return Outcome::TooManyPixels;
    info.mem->max_memory_to_use = JpegMemoryBudget;
    // Straight into the bytes of a 32-bit QImage pixel.
    info.out_color_space = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRX : JCS_EXT_XRGB;
    jpeg_start_decompress(&info);
    image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                   QImage::Format_RGB32);
    if (image.isNull())
        return Outcome::TooMuchMemory;
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    return Outcome::Decoded;
}

std::string Reason(Outcome outcome, const jpeg_decompress_struct& info, const ErrorManager& errors)
{
    const std::string picture =
        "a picture of " + std::to_string(info.image_width) + " x " + std::to_string(info.image_height) + " pixels";
    switch (outcome) {
    case Outcome::TooManyPixels:
        return picture + " is larger than a background may be (at most " + std::to_string(JpegMaxPixels * 64) +
               " pixels, 8192 x 8192, are read)";
    case Outcome::TooMuchMemory:
        return picture + " needs more than the " + std::to_string(JpegMemoryBudget >> 20) +
               " MB of memory a background may take";
    default:
        return errors.text[0] ? std::string("not a whole, readable JPEG picture (") + errors.text + ")"
                              : std::string("not a whole, readable JPEG picture");
    }
}

} // namespace

QImage DecodeJpeg(const QByteArray& bytes, std::string* why)
{
    if (bytes.isEmpty()) {
        if (why)
            *why = "the file is empty";
        return {};
    }
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    QImage image;
    const Outcome outcome = Decode(info, errors, bytes, image);
    if (why && outcome != Outcome::Decoded)
        *why = Reason(outcome, info, errors);
    jpeg_destroy_decompress(&info);
    return outcome == Outcome::Decoded ? image : QImage();
}

QImage ReadJpeg(const QString& path, std::string* why)
{
    try {
        const FileBytes bytes = ReadWholeFile(path);
        return DecodeJpeg(QByteArray::fromRawData(bytes.data.get(), static_cast<qsizetype>(bytes.size)), why);
    } catch (const FileError& e) {
        if (why)
            *why = e.what();
        return {};
    }
}

} // namespace zol

#include "export/PngStrip.h"

#include "io/AppPaths.h"
#include "io/FileError.h"
#include "io/LineFile.h"

#include <png.h>

#include <csetjmp>
#include <new>
#include <vector>

namespace zol {

namespace {

// Pixels as 32-bit 0xAARRGGBB words, which EncodePng hands to libpng as they are.
bool HoldsRgbWords(const QImage& image)
{
    return image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32;
}

// An exception must not unwind through libpng's C frames: running out of
// memory becomes a PNG error, which jumps back to EncodePng.
void AppendBytes(png_structp png, png_bytep data, png_size_t length)
{
    auto* out = static_cast<QByteArray*>(png_get_io_ptr(png));
    try {
        out->append(reinterpret_cast<const char*>(data), static_cast<qsizetype>(length));
    } catch (const std::bad_alloc&) {
        png_error(png, "out of memory");
    }
}

void NoFlush(png_structp) {}

// libpng reports errors by longjmp, so nothing here may own C++ objects with
// destructors across the jump: the caller holds the rows and the bytes.
bool EncodePng(QByteArray& out, std::vector<png_bytep>& rowPointers, int width, int height)
{
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (png == nullptr)
        return false;
    png_infop info = png_create_info_struct(png);
    if (info == nullptr) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, &out, AppendBytes, NoFlush);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    // RGB32 pixels straight from the image: libpng drops the unused byte and
    // puts red first.
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    png_set_filler(png, 0, PNG_FILLER_AFTER);
    png_set_bgr(png);
#else
    png_set_filler(png, 0, PNG_FILLER_BEFORE);
#endif
    png_write_image(png, rowPointers.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

} // namespace

std::optional<QByteArray> EncodePngStrip(const QImage& strip, int width)
{
    if (strip.isNull() || width < 1 || width > strip.width() || !HoldsRgbWords(strip))
        return std::nullopt;
    std::vector<png_bytep> rows;
    QByteArray bytes;
    try {
        for (int y = 0; y < strip.height(); ++y)
            rows.push_back(const_cast<png_bytep>(strip.constScanLine(y)));
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
    if (!EncodePng(bytes, rows, width, strip.height()))
        return std::nullopt;
    return bytes;
}

void WritePngBytes(const QByteArray& png, const QString& path)
{
    WriteFileAtomically(path, std::string_view(png.constData(), static_cast<size_t>(png.size())));
}

void FailEncoding(const QString& path)
{
    throw FileError(Message{MessageId::WriteFailed,
                            {DisplayPath(path).toStdString(), "the picture could not be encoded as PNG"}});
}

void WritePngStrip(const QImage& strip, int width, const QString& path)
{
    const std::optional<QByteArray> png = EncodePngStrip(strip, width);
    if (!png)
        FailEncoding(path);
    WritePngBytes(*png, path);
}

} // namespace zol

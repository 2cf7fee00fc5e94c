#include "export/PngStrip.h"

#include <QFile>
#include <QTemporaryFile>

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <filesystem>
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

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    FILE* file = std::fopen(QFile::encodeName(path).constData(), "wb");
    if (file == nullptr)
        return false;
    const size_t size = static_cast<size_t>(bytes.size());
    const bool written = std::fwrite(bytes.constData(), 1, size, file) == size;
    const bool closed = std::fclose(file) == 0;
    return written && closed;
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

bool WritePngBytes(const QByteArray& png, const QString& path)
{
    // A unique name beside the target reserves the temporary file.
    QTemporaryFile reserve(path + QStringLiteral(".XXXXXX"));
    reserve.setAutoRemove(false);
    if (!reserve.open())
        return false;
    const QString temporary = reserve.fileName();
    reserve.close();
    std::error_code error;
    if (WriteFile(temporary, png)) {
        std::filesystem::rename(QFile::encodeName(temporary).toStdString(), QFile::encodeName(path).toStdString(),
                                error);
        if (!error)
            return true;
    }
    QFile::remove(temporary);
    return false;
}

bool WritePngStrip(const QImage& strip, int width, const QString& path)
{
    const std::optional<QByteArray> png = EncodePngStrip(strip, width);
    return png && WritePngBytes(*png, path);
}

} // namespace zol

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

// Rows in the file's order: red, green, blue.
std::vector<std::vector<png_byte>> RgbRows(const QImage& strip, int width)
{
    std::vector<std::vector<png_byte>> rows(static_cast<size_t>(strip.height()));
    for (int y = 0; y < strip.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(strip.constScanLine(y));
        std::vector<png_byte>& row = rows[static_cast<size_t>(y)];
        row.resize(static_cast<size_t>(width) * 3);
        for (int x = 0; x < width; ++x) {
            row[3 * x] = static_cast<png_byte>(qRed(in[x]));
            row[3 * x + 1] = static_cast<png_byte>(qGreen(in[x]));
            row[3 * x + 2] = static_cast<png_byte>(qBlue(in[x]));
        }
    }
    return rows;
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
    if (strip.isNull() || width < 1 || width > strip.width() || strip.depth() != 32)
        return std::nullopt;
    std::vector<std::vector<png_byte>> rows;
    std::vector<png_bytep> pointers;
    QByteArray bytes;
    try {
        rows = RgbRows(strip, width);
        for (auto& row : rows)
            pointers.push_back(row.data());
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
    if (!EncodePng(bytes, pointers, width, strip.height()))
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

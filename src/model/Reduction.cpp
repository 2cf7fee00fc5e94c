#include "model/Reduction.h"

#include "model/Figure.h"

#include <QImage>

#include <algorithm>
#include <cstdint>
#include <vector>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define ZOL_REDUCTION_AVX2 1
#endif

namespace zol {

namespace {

// Nearest-pixel stretch of the whole source into the whole target. Source
// pixels outside `known.drawn` are taken to be `known.background` unread.
void Stretch(const QImage& source, QImage& target, const PlainOutside& known)
{
    const int sw = source.width(), sh = source.height();
    const int tw = target.width(), th = target.height();
    const QRgb plain = known.background;
    // The source column of each target column, divided out once per image;
    // the columns are in order, so those in the drawn area are one run.
    std::vector<int> columns(static_cast<size_t>(tw));
    int first = tw, end = 0;
    for (int x = 0; x < tw; ++x) {
        const int column = static_cast<int>(int64_t(x) * sw / tw);
        columns[static_cast<size_t>(x)] = column;
        if (column >= known.drawn.left() && column <= known.drawn.right()) {
            first = std::min(first, x);
            end = x + 1;
        }
    }
    for (int y = 0; y < th; ++y) {
        const int row = static_cast<int>(int64_t(y) * sh / th);
        auto* out = reinterpret_cast<QRgb*>(target.scanLine(y));
        if (row < known.drawn.top() || row > known.drawn.bottom() || first >= end) {
            std::fill_n(out, tw, plain);
            continue;
        }
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(row));
        std::fill_n(out, first, plain);
        for (int x = first; x < end; ++x)
            out[x] = in[columns[static_cast<size_t>(x)]];
        std::fill_n(out + end, tw - end, plain);
    }
}

// Each guide pixel takes the mean of its 4 x 4 board pixels, byte by byte,
// through the gamma table. A sum of 16 bytes (at most 4080) fits in 16 bits,
// so red and blue are summed side by side in one word. This is the way on
// processors without the vector unit below.
void AntialiasScalar(const QImage& board, QImage& guide, const std::array<int, 256>& gamma, const QRect& blocks)
{
    for (int gy = blocks.top(); gy <= blocks.bottom(); ++gy) {
        std::array<uint32_t, GuideSize> redBlue{};
        std::array<uint32_t, GuideSize> green{}; // still shifted by 8 bits
        for (int k = 0; k < 4; ++k) {
            const auto* row = reinterpret_cast<const QRgb*>(board.constScanLine(4 * gy + k));
            for (int gx = blocks.left(); gx <= blocks.right(); ++gx) {
                const QRgb* p = row + 4 * gx;
                redBlue[gx] +=
                    (p[0] & 0x00FF00FF) + (p[1] & 0x00FF00FF) + (p[2] & 0x00FF00FF) + (p[3] & 0x00FF00FF);
                green[gx] += (p[0] & 0xFF00) + (p[1] & 0xFF00) + (p[2] & 0xFF00) + (p[3] & 0xFF00);
            }
        }
        auto* out = reinterpret_cast<QRgb*>(guide.scanLine(gy));
        for (int gx = blocks.left(); gx <= blocks.right(); ++gx) {
            const uint32_t red = gamma[(redBlue[gx] >> 16) / 16] & 0xFF;
            const uint32_t greenByte = gamma[(green[gx] >> 8) / 16] & 0xFF;
            const uint32_t blue = gamma[(redBlue[gx] & 0xFFFF) / 16] & 0xFF;
            out[gx] = 0xFF000000u | red << 16 | greenByte << 8 | blue;
        }
    }
}

#ifdef ZOL_REDUCTION_AVX2

// The sums of one guide pixel per 128-bit half, as four 32-bit words in the
// pixel's byte order (blue, green, red, alpha): the four board rows' 16 bytes
// are regrouped by channel, neighbouring bytes added in 16 bits (at most 510),
// the rows added (at most 2040), and the word pairs added (at most 4080).
__attribute__((target("avx2"))) inline __m256i BlockSums(const uint8_t* const rows[4], int offset)
{
    const __m256i byChannel = _mm256_setr_epi8(0, 4, 8, 12, 1, 5, 9, 13, 2, 6, 10, 14, 3, 7, 11, 15, //
                                               0, 4, 8, 12, 1, 5, 9, 13, 2, 6, 10, 14, 3, 7, 11, 15);
    const __m256i ones8 = _mm256_set1_epi8(1);
    __m256i pairs = _mm256_setzero_si256();
    for (int k = 0; k < 4; ++k) {
        const __m256i pixels = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(rows[k] + offset));
        pairs = _mm256_add_epi16(pairs, _mm256_maddubs_epi16(_mm256_shuffle_epi8(pixels, byChannel), ones8));
    }
    return _mm256_madd_epi16(pairs, _mm256_set1_epi16(1));
}

// The 4 x 4 means of a 512 board into a 128 guide, eight guide pixels (32
// bytes of each of four board rows) at a time; alpha is set opaque.
__attribute__((target("avx2"))) void MeansAvx2(const QImage& board, QImage& guide, const QRect& blocks)
{
    // packs and packus work within 128-bit halves, which leaves the eight
    // pixels in the order 0 2 4 6 1 3 5 7.
    const __m256i inOrder = _mm256_setr_epi32(0, 4, 1, 5, 2, 6, 3, 7);
    const __m256i opaque = _mm256_set1_epi32(static_cast<int>(0xFF000000u));
    for (int gy = blocks.top(); gy <= blocks.bottom(); ++gy) {
        const uint8_t* const rows[4] = {board.constScanLine(4 * gy), board.constScanLine(4 * gy + 1),
                                        board.constScanLine(4 * gy + 2), board.constScanLine(4 * gy + 3)};
        auto* out = reinterpret_cast<__m256i*>(guide.scanLine(gy));
        for (int gx = blocks.left(); gx <= blocks.right(); gx += 8) {
            const int offset = 16 * gx; // 4 board pixels of 4 bytes per guide pixel
            __m256i means[4];
            for (int j = 0; j < 4; ++j)
                means[j] = _mm256_srli_epi32(BlockSums(rows, offset + 32 * j), 4);
            const __m256i words =
                _mm256_packus_epi16(_mm256_packs_epi32(means[0], means[1]), _mm256_packs_epi32(means[2], means[3]));
            _mm256_storeu_si256(out + gx / 8,
                                _mm256_or_si256(_mm256_permutevar8x32_epi32(words, inOrder), opaque));
        }
    }
}

// ZOL_SCALAR_REDUCTION=1 in the environment takes the scalar way, so that
// the tests check it on processors that have the vector unit.
bool UseAvx2()
{
    static const bool has = __builtin_cpu_supports("avx2") && qEnvironmentVariableIntValue("ZOL_SCALAR_REDUCTION") != 1;
    return has;
}

// Puts the guide's mean bytes through the gamma table. Neighbouring guide
// pixels are mostly equal (inside a piece, on the background), so the last
// lookup is kept.
void ApplyGamma(QImage& guide, const std::array<int, 256>& gamma, const QRect& blocks)
{
    bool identity = true;
    for (int i = 0; i < 256 && identity; ++i)
        identity = (gamma[i] & 0xFF) == i;
    if (identity)
        return;
    uint32_t last = 0, lastOut = 0xFF000000u | (gamma[0] & 0xFF) * 0x010101u;
    for (int gy = blocks.top(); gy <= blocks.bottom(); ++gy) {
        auto* row = reinterpret_cast<QRgb*>(guide.scanLine(gy));
        for (int gx = blocks.left(); gx <= blocks.right(); ++gx) {
            const uint32_t mean = row[gx] & 0xFFFFFFu;
            if (mean != last) {
                last = mean;
                lastOut = 0xFF000000u | uint32_t(gamma[mean >> 16] & 0xFF) << 16 |
                          uint32_t(gamma[(mean >> 8) & 0xFF] & 0xFF) << 8 | uint32_t(gamma[mean & 0xFF] & 0xFF);
            }
            row[gx] = lastOut;
        }
    }
}

#endif

// The guide pixel of a block of 16 equal board pixels.
QRgb PlainBlock(QRgb pixel, const std::array<int, 256>& gamma)
{
    return 0xFF000000u | uint32_t(gamma[qRed(pixel)] & 0xFF) << 16 | uint32_t(gamma[qGreen(pixel)] & 0xFF) << 8 |
           uint32_t(gamma[qBlue(pixel)] & 0xFF);
}

// Blocks outside the drawn area are plain; those it touches are summed, in
// whole runs of eight for the vector unit (summing a plain block as well
// gives the same pixel).
void Antialias(const QImage& board, QImage& guide, const std::array<int, 256>& gamma, const PlainOutside& known)
{
    const QRect drawn = known.drawn & board.rect();
    QRect blocks(QPoint(drawn.left() / 4, drawn.top() / 4), QPoint(drawn.right() / 4, drawn.bottom() / 4));
    if (blocks.isEmpty() || drawn.isEmpty())
        blocks = QRect();
    if (blocks != guide.rect())
        guide.fill(PlainBlock(known.background, gamma));
    if (blocks.isNull())
        return;
#ifdef ZOL_REDUCTION_AVX2
    if (UseAvx2()) {
        blocks.setLeft(blocks.left() / 8 * 8);
        blocks.setRight((blocks.right() / 8 + 1) * 8 - 1);
        MeansAvx2(board, guide, blocks);
        ApplyGamma(guide, gamma, blocks);
        return;
    }
#endif
    AntialiasScalar(board, guide, gamma, blocks);
}

// The antialiasing reduction needs exactly a 512 board and a 128 guide; any
// other sizes are stretched.
void Reduce(const QImage& board, QImage& guide, bool antialias, const std::array<int, 256>& gamma,
            const PlainOutside& known)
{
    if (antialias && guide.width() == GuideSize && guide.height() == GuideSize && board.width() == BoardSize &&
        board.height() == BoardSize)
        Antialias(board, guide, gamma, known);
    else
        Stretch(board, guide, known);
}

} // namespace

bool HasQRgbPixels(const QImage& image)
{
    const QImage::Format f = image.format();
    return f == QImage::Format_RGB32 || f == QImage::Format_ARGB32 || f == QImage::Format_ARGB32_Premultiplied;
}

void ReduceBoard(const QImage& board, QImage& guide, bool antialias, const std::array<int, 256>& gamma,
                 const PlainOutside* known)
{
    if (board.isNull() || guide.isNull())
        return;
    // With nothing known, the whole board is read.
    const PlainOutside all{board.rect(), 0};
    const PlainOutside& plain = known && HasQRgbPixels(board) ? *known : all;
    if (board.depth() == 32 && guide.depth() == 32) {
        Reduce(board, guide, antialias, gamma, plain);
        return;
    }
    // The reductions work on whole 32-bit pixels; other formats go through copies.
    QImage guide32(guide.size(), QImage::Format_RGB32);
    Reduce(board.convertToFormat(QImage::Format_RGB32), guide32, antialias, gamma, plain);
    guide = guide32.convertToFormat(guide.format());
}

} // namespace zol

// JPEG decoding and the viewer's choice of background picture.
#include "io/JpegFile.h"
#include "io/ViewerBackground.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace zol;

namespace {

const QString Shipped = QStringLiteral(DATA_FOLDER);

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

// The picture re-encoded as a progressive JPEG, whose decoder keeps the
// whole picture's coefficients in memory.
QByteArray Progressive(const QImage& picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setProgressiveScanWrite(true);
    EXPECT_TRUE(writer.write(picture));
    return bytes;
}

// The same bytes with the frame header claiming another size.
QByteArray ClaimingSize(QByteArray jpeg, int side)
{
    for (const char frame : {'\xC0', '\xC2'}) {
        const qsizetype at = jpeg.indexOf(QByteArray("\xFF") + frame);
        if (at < 0)
            continue;
        for (const qsizetype field : {at + 5, at + 7}) {
            jpeg[field] = static_cast<char>(side >> 8);
            jpeg[field + 1] = static_cast<char>(side & 0xFF);
        }
    }
    return jpeg;
}

TEST(JpegFile, DecodesAGoodFile)
{
    const QImage image = ReadJpeg(Shipped + QStringLiteral("/photoB.jpg"));
    ASSERT_EQ(image.size(), QSize(512, 512));
    // The sky lies above a darker hill: the top is lighter than the bottom.
    EXPECT_GT(qGray(image.pixel(256, 300)), qGray(image.pixel(256, 500)));
    EXPECT_EQ(qAlpha(image.pixel(3, 3)), 255);
    // Pixel for pixel what Qt's own reader sees, colours the right way round.
    const QImage reference(Shipped + QStringLiteral("/photoB.jpg"));
    if (!reference.isNull()) {
        EXPECT_EQ(qRed(image.pixel(10, 10)), qRed(reference.pixel(10, 10)));
        EXPECT_EQ(qBlue(image.pixel(10, 10)), qBlue(reference.pixel(10, 10)));
    }
}

TEST(JpegFile, RefusesBrokenData)
{
    const QByteArray good = FileBytes(Shipped + QStringLiteral("/photoA.jpg"));
    ASSERT_FALSE(DecodeJpeg(good).isNull());
    const struct {
        const char* what;
        QByteArray bytes;
    } cases[] = {
        {"truncated in the middle", good.left(good.size() / 2)},
        {"only the header", good.left(600)},
        {"not a JPEG", QByteArray("BM this is no picture at all")},
        {"empty", QByteArray()},
        {"garbled scan", QByteArray(good).replace(good.size() / 2, 4000, QByteArray(4000, '\xFF'))},
        {"a header claiming 60000 x 60000", ClaimingSize(good, 60000)},
    };
    for (const auto& c : cases)
        EXPECT_TRUE(DecodeJpeg(c.bytes).isNull()) << c.what;
    EXPECT_TRUE(ReadJpeg(QStringLiteral("/no/such/file.jpg")).isNull());
}

// A picture larger than the board is decoded at the smallest of libjpeg's
// scales (n/8) that keeps each side at 512 pixels where it had them: the
// same picture, a fraction of the memory.
TEST(JpegFile, DecodesALargePictureAtAReducedScale)
{
    const struct {
        QSize size;
        QSize decoded;
    } cases[] = {{{2048, 2048}, {512, 512}}, {{2048, 1024}, {1024, 512}}, {{600, 600}, {525, 525}},
                 {{300, 200}, {300, 200}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.size.width() << " x " << c.size.height());
        QImage picture(c.size, QImage::Format_RGB32);
        picture.fill(qRgb(0, 0, 255));
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width() / 2; ++x)
                picture.setPixel(x, y, qRgb(255, 0, 0));
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        ASSERT_TRUE(QImageWriter(&buffer, "jpeg").write(picture));
        const QImage decoded = DecodeJpeg(bytes);
        ASSERT_EQ(decoded.size(), c.decoded);
        EXPECT_GT(qRed(decoded.pixel(decoded.width() / 4, decoded.height() / 2)), 240) << "left half red";
        EXPECT_GT(qBlue(decoded.pixel(decoded.width() * 3 / 4, decoded.height() / 2)), 240) << "right half blue";
    }
}

TEST(JpegFile, SaysWhyAPictureIsRefused)
{
    const QByteArray good = FileBytes(Shipped + QStringLiteral("/photoA.jpg"));
    std::string why;
    EXPECT_TRUE(DecodeJpeg(ClaimingSize(good, 16384), &why).isNull());
    EXPECT_EQ(why, "a picture of 16384 x 16384 pixels is larger than a background may be (at most 67108864 pixels, "
                   "8192 x 8192, are read)");
    EXPECT_TRUE(DecodeJpeg(good.left(good.size() / 2), &why).isNull());
    EXPECT_TRUE(why.starts_with("not a whole, readable JPEG picture (")) << why;
    EXPECT_TRUE(ReadJpeg(QStringLiteral("/no/such/file.jpg"), &why).isNull());
    EXPECT_EQ(why, "could not read the file /no/such/file.jpg: No such file or directory");
}

// The most address space the process has ever held (VmPeak), in kilobytes.
long PeakKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (QByteArray line; !(line = status.readLine()).isEmpty();)
        if (line.startsWith("VmPeak:"))
            return line.mid(7).trimmed().split(' ').front().toLong();
    return 0;
}

// A few bytes may claim a picture of gigabytes; a progressive picture's
// decoder would set aside (and clear) memory for all of it before reading on.
TEST(JpegFile, HugeClaimedSizeSetsNoMemoryAside)
{
    const QByteArray huge = ClaimingSize(Progressive(ReadJpeg(Shipped + QStringLiteral("/photoA.jpg"))), 60000);
    const long before = PeakKilobytes();
    ASSERT_GT(before, 0);
    EXPECT_TRUE(DecodeJpeg(huge).isNull());
    EXPECT_LT(PeakKilobytes() - before, 1024 * 1024) << "kilobytes more at the peak";
}

class Background : public ::testing::Test {
protected:
    QString Path(const QString& name) const { return dir.filePath(name); }
    void Save(const QImage& image, const QString& name, const char* format) const
    {
        ASSERT_TRUE(image.save(Path(name), format)) << name.toStdString();
    }
    static QImage Plain(QSize size, QRgb colour)
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        return image;
    }
    void CopyShipped(const QString& name) const { ASSERT_TRUE(QFile::copy(Shipped + '/' + name, Path(name))); }

    QTemporaryDir dir;
};

TEST_F(Background, DocumentBitmapComesBeforeItsJpegAndThePhotographs)
{
    CopyShipped(QStringLiteral("photoA.jpg"));
    Save(Plain({512, 512}, qRgb(0, 0, 255)), QStringLiteral("a.bmp"), "BMP");
    Save(Plain({512, 512}, qRgb(255, 0, 0)), QStringLiteral("a.jpg"), "JPG");
    ViewerBackground b = LoadViewerBackground(Path("a.zol"), dir.path(), 0);
    EXPECT_EQ(b.picture.pixel(5, 5), qRgb(0, 0, 255));
    EXPECT_EQ(b.photo, Photo::None) << "no credit for the document's own picture";

    QFile::remove(Path("a.bmp"));
    b = LoadViewerBackground(Path("a.zol"), dir.path(), 0);
    EXPECT_GT(qRed(b.picture.pixel(5, 5)), 240);
    EXPECT_EQ(b.photo, Photo::None);

    QFile::remove(Path("a.jpg"));
    b = LoadViewerBackground(Path("a.zol"), dir.path(), 0);
    EXPECT_EQ(b.photo, Photo::A);
    EXPECT_EQ(b.picture.size(), QSize(512, 512));
}

TEST_F(Background, EvenNumberPicksPhotoAOddPhotoB)
{
    CopyShipped(QStringLiteral("photoA.jpg"));
    CopyShipped(QStringLiteral("photoB.jpg"));
    EXPECT_EQ(LoadViewerBackground({}, dir.path(), 12).photo, Photo::A);
    EXPECT_EQ(LoadViewerBackground({}, dir.path(), 7).photo, Photo::B);
    QFile::remove(Path("photoB.jpg"));
    const ViewerBackground none = LoadViewerBackground({}, dir.path(), 7);
    EXPECT_TRUE(none.picture.isNull()) << "the chosen photograph is missing: no picture";
    EXPECT_EQ(none.photo, Photo::None);
}

TEST_F(Background, ChangedPhotographShowsButEarnsNoCredit)
{
    QImage photo = ReadJpeg(Shipped + QStringLiteral("/photoB.jpg"));
    photo.setPixel(0, 0, qRgb(0, 0, 0));
    Save(photo, QStringLiteral("photoB.jpg"), "BMP"); // a bitmap in disguise is no JPEG
    EXPECT_TRUE(LoadViewerBackground({}, dir.path(), 1).picture.isNull());
    Save(photo, QStringLiteral("photoB.jpg"), "JPG");
    const ViewerBackground b = LoadViewerBackground({}, dir.path(), 1);
    EXPECT_FALSE(b.picture.isNull());
    EXPECT_EQ(b.photo, Photo::None);
}

TEST_F(Background, OtherSizesAreStretched)
{
    QImage small = Plain({100, 50}, qRgb(0, 200, 0));
    small.setPixel(99, 49, qRgb(200, 0, 0));
    Save(small, QStringLiteral("doc.bmp"), "BMP");
    const ViewerBackground b = LoadViewerBackground(Path("doc.zol"), dir.path(), 0);
    ASSERT_EQ(b.picture.size(), QSize(512, 512));
    EXPECT_EQ(b.picture.pixel(0, 0), qRgb(0, 200, 0));
    EXPECT_EQ(b.picture.pixel(511, 511), qRgb(200, 0, 0));
}

TEST_F(Background, BrokenJpegBesideTheDocumentMeansNoPicture)
{
    const QByteArray good = FileBytes(Shipped + QStringLiteral("/photoA.jpg"));
    QFile broken(Path("doc.jpg"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write(good.left(good.size() / 3));
    broken.close();
    CopyShipped(QStringLiteral("photoA.jpg"));
    EXPECT_TRUE(LoadViewerBackground(Path("doc.zol"), dir.path(), 0).picture.isNull());
}

TEST(PhotoSums, MatchTheShippedPhotographs)
{
    const struct {
        const char* file;
        int32_t sum;
    } photos[] = {{"photoA.jpg", PhotoASum}, {"photoB.jpg", PhotoBSum}};
    for (const auto& p : photos) {
        const QImage image = ReadJpeg(Shipped + '/' + p.file);
        ASSERT_FALSE(image.isNull()) << p.file;
        EXPECT_EQ(PictureSum(image), p.sum) << p.file << " (after remaking the pictures, put this sum in)";
    }
}

TEST(PhotoSums, AddBlueGreenAndRedBytes)
{
    QImage image(512, 512, QImage::Format_RGB32);
    image.fill(qRgb(1, 2, 3));
    EXPECT_EQ(PictureSum(image), 512 * 512 * 6);
    image.fill(qRgb(255, 255, 255));
    EXPECT_EQ(PictureSum(image), 512 * 512 * 765);
}

} // namespace

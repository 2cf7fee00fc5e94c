// JPEG decoding and the viewer's choice of background picture.
#include "io/JpegFile.h"
#include "io/ViewerBackground.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
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
    };
    for (const auto& c : cases)
        EXPECT_TRUE(DecodeJpeg(c.bytes).isNull()) << c.what;
    EXPECT_TRUE(ReadJpeg(QStringLiteral("/no/such/file.jpg")).isNull());
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

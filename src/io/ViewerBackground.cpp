#include "io/ViewerBackground.h"

#include "io/FileError.h"
#include "io/JpegFile.h"
#include "io/LineFile.h"
#include "io/NativePath.h"
#include "model/Figure.h"

#include <QDir>
#include <QFileInfo>

namespace zol {

namespace {

QString WithSuffix(const QString& path, const QString& suffix)
{
    const QFileInfo info(path);
    return info.dir().filePath(info.completeBaseName() + suffix);
}

// A bitmap is read from its bytes, so that a name that is not UTF-8 is read
// as it is (see NativePath).
QImage ReadPicture(const QString& path, bool jpeg, const char* format, std::string* why)
{
    if (jpeg)
        return ReadJpeg(path, why);
    try {
        const FileBytes bytes = ReadWholeFile(path);
        const QImage picture = QImage::fromData(
            QByteArrayView(bytes.data.get(), static_cast<qsizetype>(bytes.size)), format);
        if (picture.isNull() && why)
            *why = "not a picture that can be read";
        return picture;
    } catch (const FileError& e) {
        if (why)
            *why = e.what();
        return {};
    }
}

QImage Fitted(const QImage& picture)
{
    if (picture.isNull())
        return {};
    if (picture.size() == QSize(BoardSize, BoardSize))
        return picture.convertToFormat(QImage::Format_RGB32);
    return picture.scaled(BoardSize, BoardSize, Qt::IgnoreAspectRatio, Qt::FastTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

} // namespace

QImage ReadViewerPicture(const QString& path, std::string* why)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    const bool jpeg = suffix == QStringLiteral("jpg") || suffix == QStringLiteral("jpeg");
    return Fitted(ReadPicture(path, jpeg, nullptr, why));
}

int32_t PictureSum(const QImage& picture)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    uint32_t sum = 0;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            sum = (sum + qBlue(row[x]) + qGreen(row[x]) + qRed(row[x])) & 0x7FFFFFFF;
    }
    return static_cast<int32_t>(sum);
}

ViewerBackground LoadViewerBackground(const QString& documentPath, const QString& dataFolder, int32_t random)
{
    struct Candidate {
        QString path;
        bool jpeg;
        Photo photo;
    };
    std::vector<Candidate> candidates;
    if (!documentPath.isEmpty()) {
        candidates.push_back({WithSuffix(documentPath, QStringLiteral(".bmp")), false, Photo::None});
        candidates.push_back({WithSuffix(documentPath, QStringLiteral(".jpg")), true, Photo::None});
    }
    const bool even = random % 2 == 0;
    candidates.push_back({QDir(dataFolder).filePath(even ? QStringLiteral("photoA.jpg") : QStringLiteral("photoB.jpg")),
                          true, even ? Photo::A : Photo::B});

    ViewerBackground background;
    for (const Candidate& c : candidates) {
        if (!IsFile(c.path))
            continue;
        // The first file that exists decides, even when it cannot be read.
        background.picture = Fitted(ReadPicture(c.path, c.jpeg, c.jpeg ? nullptr : "BMP", nullptr));
        if (background.picture.isNull())
            return background;
        const int32_t genuine = c.photo == Photo::A ? PhotoASum : PhotoBSum;
        if (c.photo != Photo::None && PictureSum(background.picture) == genuine)
            background.photo = c.photo;
        return background;
    }
    return background;
}

} // namespace zol

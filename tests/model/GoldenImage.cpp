#include "GoldenImage.h"

#include <QDir>

#include <cstdlib>
#include <cstring>

namespace zol::test {

namespace {

bool UpdateRequested()
{
    const char* value = std::getenv("ZOL_UPDATE_GOLDEN");
    return value && std::strcmp(value, "1") == 0;
}

QString GoldenPath(const std::string& name)
{
    return QString(ZOL_GOLDEN_DIR) + "/" + QString::fromStdString(name) + ".png";
}

QString SaveActual(const QImage& image, const std::string& name)
{
    QDir().mkpath(ZOL_GOLDEN_ACTUAL_DIR);
    const QString path = QString(ZOL_GOLDEN_ACTUAL_DIR) + "/" + QString::fromStdString(name) + ".png";
    image.save(path);
    return path;
}

} // namespace

::testing::AssertionResult MatchesGolden(const QImage& drawn, const std::string& name)
{
    // Only colour matters: the unused fourth byte of RGB32 is not compared.
    const QImage actual = drawn.convertToFormat(QImage::Format_RGB32);
    if (UpdateRequested()) {
        if (!actual.save(GoldenPath(name)))
            return ::testing::AssertionFailure() << "could not write " << GoldenPath(name).toStdString();
        return ::testing::AssertionSuccess();
    }
    const QImage golden = QImage(GoldenPath(name)).convertToFormat(QImage::Format_RGB32);
    if (golden.isNull()) {
        return ::testing::AssertionFailure() << "no reference " << GoldenPath(name).toStdString()
                                             << " (run with ZOL_UPDATE_GOLDEN=1 to write it); actual saved as "
                                             << SaveActual(actual, name).toStdString();
    }
    if (golden.size() != actual.size()) {
        return ::testing::AssertionFailure() << name << ": size " << actual.width() << "x" << actual.height()
                                             << ", reference " << golden.width() << "x" << golden.height()
                                             << "; actual saved as " << SaveActual(actual, name).toStdString();
    }
    int differing = 0, firstX = -1, firstY = -1;
    for (int y = 0; y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
            if (((actual.pixel(x, y) ^ golden.pixel(x, y)) & 0xFFFFFF) != 0) {
                if (differing++ == 0) {
                    firstX = x;
                    firstY = y;
                }
            }
        }
    }
    if (differing == 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << name << ": " << differing << " pixels differ, the first at (" << firstX
                                         << ", " << firstY << "); actual saved as "
                                         << SaveActual(actual, name).toStdString();
}

} // namespace zol::test

#include "ui/tools/AboutBox.h"

#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

using namespace zol;

namespace {

TEST(AboutBox, ShowsTheVersionPictureOnItsSheet)
{
    TAboutBox box(QStringLiteral(VERSION_PICTURE));
    EXPECT_EQ(box.windowTitle(), QStringLiteral("バージョン情報"));
    EXPECT_EQ(box.size(), QSize(249, 345));
    EXPECT_EQ(box.Image1->pixmap().size(), QSize(240, 300));
    EXPECT_EQ(box.Image1->geometry(), QRect(0, 32, 249, 289));
    QTimer::singleShot(0, &box, [&box] { box.findChild<QPushButton*>("OKButton")->click(); });
    EXPECT_EQ(box.exec(), 1);
}

TEST(AboutBox, WithoutItsPictureShowsAnEmptySheet)
{
    TAboutBox box(QStringLiteral("/nonexistent/version.png"));
    EXPECT_TRUE(box.Image1->pixmap().isNull());
}

// The picture is drawn from its source at build time: 240 x 300, 256 grey
// levels, dark ink on white, with the build's version in it.
TEST(VersionPicture, IsA256LevelBlackAndWhiteDrawing)
{
    const QImage picture(QStringLiteral(VERSION_PICTURE));
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), QSize(240, 300));
    EXPECT_EQ(picture.format(), QImage::Format_Indexed8);
    EXPECT_LE(picture.colorCount(), 256);
    for (const QRgb c : picture.colorTable())
        EXPECT_TRUE(qRed(c) == qGreen(c) && qGreen(c) == qBlue(c)) << std::hex << c;
    int ink = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            ink += qGray(picture.pixel(x, y)) < 128;
    EXPECT_GT(ink, 2000) << "a drawing, not a blank";
    EXPECT_EQ(picture.pixel(0, 299), qRgb(255, 255, 255)) << "white ground, shown transparent";
    // The rows the box cuts off (below 289) hold no ink.
    for (int y = 289; y < 300; ++y)
        for (int x = 0; x < 240; ++x)
            ASSERT_GE(qGray(picture.pixel(x, y)), 128) << x << "," << y;
}

} // namespace

// zoltool animate: the viewer's slide show as PNG pictures and as an
// animated WebP, checked against zoltool render's guide images.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <webp/demux.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const QString Sample = QStringLiteral(DATA_DIR "/zols/sample.zol");

int Zoltool(const QStringList& arguments)
{
    QProcess process;
    process.start(ZOLTOOL_PATH, arguments);
    EXPECT_TRUE(process.waitForFinished(60000)) << "zoltool did not finish";
    return process.exitCode();
}

QImage Pixels(const QString& path) { return QImage(path).convertToFormat(QImage::Format_RGB32); }

class Animate : public ::testing::Test {
protected:
    QString Path(const QString& name) const { return dir.filePath(name); }
    // The guide image zoltool render draws of figure k, in the same palette.
    QImage Guide(int k)
    {
        const QString out = Path(QStringLiteral("guide%1.png").arg(k));
        EXPECT_EQ(Zoltool({"render", Sample + ':' + QString::number(k), out, "--guide", "--palette", "2", "--seed",
                           "5"}),
                  0);
        return Pixels(out);
    }
    QTemporaryDir dir;
};

TEST_F(Animate, WritesOnePictureATickFromFigureToFigure)
{
    const QString folder = Path("frames");
    ASSERT_EQ(Zoltool({"animate", Sample, folder, "--start", "12", "--figures", "1", "--palette", "2", "--seed", "5"}),
              0);
    const QStringList files = QDir(folder).entryList(QDir::Files);
    EXPECT_EQ(files.size(), 140);
    for (int tick : {0, 1, 57, 139})
        EXPECT_TRUE(files.contains(QStringLiteral("%1.png").arg(tick))) << tick;
    const QImage first = Pixels(folder + "/0.png");
    ASSERT_EQ(first.size(), QSize(128, 128));
    EXPECT_EQ(first, Guide(12)) << "at rest on the first figure";
    EXPECT_EQ(Pixels(folder + "/139.png"), Guide(13)) << "at rest on the next one";
    EXPECT_NE(Pixels(folder + "/10.png"), first) << "moving between them";
    EXPECT_EQ(Pixels(folder + "/40.png"), Pixels(folder + "/139.png")) << "the pieces have arrived by tick 40";
}

// Every tick's picture in the WebP, found by its display time, equals the
// PNG of the same tick; repeated pictures are one longer frame.
TEST_F(Animate, WebpHoldsTheSamePicturesWithLongerFramesForRepeats)
{
    const QStringList common = {"--start", "3", "--figures", "2", "--palette", "2", "--seed", "5", "--no-aa"};
    ASSERT_EQ(Zoltool(QStringList{"animate", Sample, Path("frames")} + common), 0);
    ASSERT_EQ(Zoltool(QStringList{"animate", Sample, Path("show.webp")} + common), 0);

    QFile file(Path("show.webp"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const WebPData data{reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<size_t>(bytes.size())};
    WebPAnimDecoderOptions options;
    ASSERT_TRUE(WebPAnimDecoderOptionsInit(&options));
    options.color_mode = MODE_BGRA;
    WebPAnimDecoder* decoder = WebPAnimDecoderNew(&data, &options);
    ASSERT_NE(decoder, nullptr);
    WebPAnimInfo info;
    ASSERT_TRUE(WebPAnimDecoderGetInfo(decoder, &info));
    EXPECT_EQ(info.canvas_width, 128u);
    EXPECT_EQ(info.loop_count, 0u) << "plays endlessly";
    EXPECT_LT(info.frame_count, 2u * 140u / 2) << "resting ticks are not stored again";

    int tick = 0;
    int previousEnd = 0;
    int mismatches = 0;
    while (WebPAnimDecoderHasMoreFrames(decoder)) {
        uint8_t* pixels = nullptr;
        int end = 0; // the time the frame stops showing
        ASSERT_TRUE(WebPAnimDecoderGetNext(decoder, &pixels, &end));
        EXPECT_GT(end, previousEnd);
        const QImage frame = QImage(pixels, 128, 128, QImage::Format_ARGB32).convertToFormat(QImage::Format_RGB32);
        for (; tick * 50 < end; ++tick)
            mismatches += frame != Pixels(Path("frames/%1.png").arg(tick));
        previousEnd = end;
    }
    WebPAnimDecoderDelete(decoder);
    EXPECT_EQ(tick, 280) << "two figure changes of 7 seconds";
    EXPECT_EQ(previousEnd, 280 * 50);
    EXPECT_EQ(mismatches, 0);
}

TEST_F(Animate, ScaleDrawsLargerInsteadOfBlowingUp)
{
    ASSERT_EQ(Zoltool({"animate", Sample, Path("one"), "--figures", "1", "--seed", "5"}), 0);
    ASSERT_EQ(Zoltool({"animate", Sample, Path("two"), "--figures", "1", "--seed", "5", "--scale", "2"}), 0);
    const QImage small = Pixels(Path("one/12.png"));
    const QImage large = Pixels(Path("two/12.png"));
    ASSERT_EQ(large.size(), QSize(256, 256));
    EXPECT_NE(large, small.scaled(256, 256)) << "finer than the small picture blown up";
    EXPECT_EQ(large.scaled(128, 128, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).pixel(64, 64),
              small.pixel(64, 64));
}

TEST_F(Animate, BackgroundLiesUnderThePieces)
{
    QImage picture(64, 64, QImage::Format_RGB32);
    picture.fill(qRgb(30, 160, 90));
    ASSERT_TRUE(picture.save(Path("back.bmp"), "BMP"));
    ASSERT_EQ(Zoltool({"animate", Sample, Path("frames"), "--figures", "1", "--background", Path("back.bmp")}), 0);
    EXPECT_EQ(Pixels(Path("frames/0.png")).pixel(1, 1), qRgb(30, 160, 90));
}

TEST_F(Animate, RefusesBadArguments)
{
    const QString out = Path("frames");
    const std::vector<QStringList> cases = {
        {"animate", Sample, out, "--start", "14"},
        {"animate", Sample, out, "--figures", "0"},
        {"animate", Sample, out, "--scale", "0"},
        {"animate", Sample, out, "--palette", "9"},
        {"animate", Sample, out, "--background", Path("missing.jpg")},
        {"animate", Path("missing.zol"), out},
        {"animate", Sample},
    };
    for (const QStringList& c : cases)
        EXPECT_EQ(Zoltool(c), 2) << c.join(' ').toStdString();
    EXPECT_FALSE(QFileInfo::exists(out)) << "nothing written for bad arguments";
}

} // namespace

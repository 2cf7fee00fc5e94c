// The sample document shipped in zols: well-formed text, and every figure a
// proper tangram silhouette of the built-in set.

#include "DataFiles.h"
#include "PieceGeometry.h"
#include "Silhouette.h"

#include "io/TextCodec.h"
#include "model/CommaList.h"
#include "model/TangramModel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>

using namespace zol;
using namespace zol::datacheck;

namespace {

// Pieces turned by 45 degrees land on whole pixels, so neighbours along a
// slanted edge may cross by a sliver under a pixel wide; a misplaced piece
// covers another by far more.
constexpr int MaxOverlapPixels = 24;
// Pieces count as touching when their outlines come this close.
constexpr double TouchDistance = 1.5;
// The tips of notches in an outline; a slit along a piece edge is far longer.
constexpr int MaxSlitPixels = 8;

class SampleDocument : public ::testing::Test {
protected:
    void SetUp() override
    {
        bytes = ReadBytes(DataDir() / "zols" / "sample.zol");
        file = SplitCrLf(bytes);
        ASSERT_TRUE(file.wellFormed) << "every line, the last included, must end with CR LF";
        model.SetFigureLines({file.lines.begin() + 1, file.lines.end()}, TextEncoding::Cp932);
    }

    QString Caption(int i) const { return DecodeText(model.GetFigureCaption(i), TextEncoding::Cp932); }

    std::string bytes;
    CrLfLines file;
    TangramModel model;
};

TEST_F(SampleDocument, IsCp932TextForTheBuiltInSet)
{
    EXPECT_EQ(DetectEncoding(bytes), TextEncoding::Cp932);
    const QString text = DecodeText(bytes, TextEncoding::Cp932);
    EXPECT_FALSE(text.contains(QChar(0xFFFD)));
    EXPECT_EQ(EncodeText(text, TextEncoding::Cp932), bytes);

    ASSERT_GE(file.lines.size(), 2u);
    EXPECT_EQ(file.lines[0], "2.13");
    EXPECT_EQ(file.lines[1], "tan");
    EXPECT_EQ(file.lines.size() % 2, 0u) << "a caption without its placement line";
    EXPECT_GE(model.figureCount(), 12);
}

TEST_F(SampleDocument, CaptionsAreDistinctJapaneseNames)
{
    std::set<QString> seen;
    for (int i = 0; i < model.figureCount(); ++i) {
        const QString caption = Caption(i);
        EXPECT_TRUE(std::any_of(caption.begin(), caption.end(), [](QChar c) { return c.unicode() >= 0x3000; }))
            << caption.toStdString();
        EXPECT_TRUE(seen.insert(caption).second) << "twice: " << caption.toStdString();
    }
}

TEST_F(SampleDocument, PlacementLinesHoldAnAngleAndFlipForEveryPiece)
{
    for (int i = 0; i < model.figureCount(); ++i) {
        SCOPED_TRACE(Caption(i).toStdString());
        const std::vector<int> values = ParseCommaList(model.figureLines()[2 * i + 2]);
        ASSERT_EQ(values.size(), 28u);
        for (int piece = 0; piece < 7; ++piece) {
            EXPECT_GE(values[4 * piece + 2], 0);
            EXPECT_LE(values[4 * piece + 2], 719);
            EXPECT_EQ(std::abs(values[4 * piece + 3]), 1);
        }
    }
}

TEST_F(SampleDocument, FiguresAreConnectedSilhouettesWithoutOverlaps)
{
    for (int i = 0; i < model.figureCount(); ++i) {
        SCOPED_TRACE(Caption(i).toStdString());
        model.LoadFigure(i);
        const std::vector<Polygon> pieces = BoardPolygons(model);

        const Coverage coverage = MeasureCoverage(pieces, {0, 0, BoardSize, BoardSize});
        EXPECT_LE(coverage.overlapped, MaxOverlapPixels);
        EXPECT_EQ(CountConnectedGroups(pieces, TouchDistance), 1) << "pieces lie apart";
    }
}

TEST_F(SampleDocument, FiguresLieRoughlyCentredOnTheBoard)
{
    for (int i = 0; i < model.figureCount(); ++i) {
        SCOPED_TRACE(Caption(i).toStdString());
        model.LoadFigure(i);
        const Rect bounds = Bounds(BoardPolygons(model));
        EXPECT_GE(bounds.left, 0);
        EXPECT_GE(bounds.top, 0);
        EXPECT_LT(bounds.right, BoardSize);
        EXPECT_LT(bounds.bottom, BoardSize);
        EXPECT_NEAR((bounds.left + bounds.right) / 2, BoardSize / 2, 32);
        EXPECT_NEAR((bounds.top + bounds.bottom) / 2, BoardSize / 2, 32);
    }
}

TEST_F(SampleDocument, DrawnFiguresShowNoSlitsBetweenPieces)
{
    for (int i = 0; i < model.figureCount(); ++i) {
        SCOPED_TRACE(Caption(i).toStdString());
        model.LoadFigure(i);
        const QImage silhouette = DrawSilhouette(model);
        const int slit = CountSlitPixels(silhouette);
        if (slit > MaxSlitPixels) {
            const QString png = QStringLiteral("sample_figure_%1.png").arg(i);
            silhouette.save(png);
            ADD_FAILURE() << slit << " background pixels show through between pieces; see " << png.toStdString();
        }
    }
}

} // namespace

// The piece-set files shipped in pltes: their bytes, and that each set's start
// arrangement closes into its solved shape without gaps or overlaps.

#include "DataFiles.h"
#include "PieceGeometry.h"

#include "io/TextCodec.h"
#include "model/TangramModel.h"

#include <gtest/gtest.h>

#include <set>

using namespace zol;
using namespace zol::datacheck;

namespace {

Polygon Square(int left, int side)
{
    return {{left, left}, {left + side, left}, {left + side, left + side}, {left, left + side}};
}

struct ShippedSet {
    const char* name;
    const char* displayName; // as the menu shows it
    int pieceCount;
    Polygon solved; // on the board, where the start arrangement lies before the scatter
};

const std::vector<ShippedSet>& ShippedSets()
{
    static const std::vector<ShippedSet> sets = {
        {"tangram7", "七巧板", 7, Square(176, 160)},
        {"tpuzzle", "Tパズル", 4,
         {{176, 176}, {335, 176}, {335, 229}, {282, 229}, {282, 335}, {229, 335}, {229, 229}, {176, 229}}},
        {"stomachion", "ストマキオン", 14, Square(178, 156)},
        {"seishonagon", "清少納言知恵の板", 7, Square(176, 160)},
    };
    return sets;
}

// Test names and failure messages show the set by its name.
void PrintTo(const ShippedSet& set, std::ostream* out) { *out << set.name; }

std::filesystem::path PieceSetFolder() { return DataDir() / "pltes"; }

// Vertex (x, y) of a shape relative to its pivot, flipped and turned by a
// quarter-turn multiple, computed exactly.
Point QuarterTurn(int x, int y, int angle, int flip)
{
    x *= flip;
    switch (angle) {
    case 180:
        return {-y, x};
    case 360:
        return {-x, -y};
    case 540:
        return {y, -x};
    default:
        return {x, y};
    }
}

class PieceSetFile : public ::testing::TestWithParam<ShippedSet> {
protected:
    void SetUp() override
    {
        bytes = ReadBytes(PieceSetFolder() / (std::string(GetParam().name) + ".plt"));
        file = SplitCrLf(bytes);
        ASSERT_TRUE(file.wellFormed) << "every line, the last included, must end with CR LF";
        ASSERT_GE(file.lines.size(), 2u);
        model.InstallSetLines({file.lines.begin() + 1, file.lines.end()}, TextEncoding::Cp932);
    }

    std::string bytes;
    CrLfLines file;
    TangramModel model;
};

TEST_P(PieceSetFile, IsCp932TextOfTheCurrentVersionNamedAfterItsFile)
{
    EXPECT_EQ(DetectEncoding(bytes), TextEncoding::Cp932);
    const QString text = DecodeText(bytes, TextEncoding::Cp932);
    EXPECT_FALSE(text.contains(QChar(0xFFFD)));
    EXPECT_EQ(EncodeText(text, TextEncoding::Cp932), bytes);

    EXPECT_EQ(file.lines[0], "2.13");
    // Documents name their set, and the loader finds the file by that name.
    EXPECT_EQ(file.lines[1], GetParam().name);
    // Version, name, count, the pieces, start placements, display name, angle step.
    EXPECT_EQ(file.lines.size(), static_cast<size_t>(GetParam().pieceCount + 6));
}

TEST_P(PieceSetFile, InstallsWithItsNameDisplayNameAndAngleStep)
{
    const PieceSet& set = model.pieceSet();
    EXPECT_EQ(set.name, GetParam().name);
    EXPECT_EQ(model.pieceCount(), GetParam().pieceCount);
    EXPECT_EQ(DecodeText(set.displayName, TextEncoding::Cp932), QString::fromUtf8(GetParam().displayName));
    // Snapping must lead back to the start angle after a full turn.
    EXPECT_EQ(720 % set.angleStep, 0) << set.angleStep;
}

TEST_P(PieceSetFile, StartArrangementTilesTheSolvedShape)
{
    model.SetCurrentFigure(model.startFigure());
    const std::vector<Polygon> pieces = BoardPolygons(model);
    const Polygon& solved = GetParam().solved;

    long long area = 0;
    for (const Polygon& piece : pieces)
        area += DoubleArea(piece);
    EXPECT_EQ(area, DoubleArea(solved));

    Rect around = Bounds({solved});
    around = {around.left - 4, around.top - 4, around.right + 4, around.bottom + 4};
    const Coverage coverage = MeasureCoverage(pieces, around, &solved);
    EXPECT_EQ(coverage.overlapped, 0);
    EXPECT_EQ(coverage.mismatched, 0) << "gaps, or pieces outside the solved shape";
}

TEST_P(PieceSetFile, ShapesKeepTheirFormUnderQuarterTurnsAndFlips)
{
    // Edge straightening, which runs at every snap angle, bends an edge that is
    // within a pixel of a diagonal; a shipped shape must have none.
    const PieceSet& set = model.pieceSet();
    for (int i = 0; i < set.pieceCount; ++i) {
        const PieceShape& shape = set.shapes[i];
        for (int angle : {0, 180, 360, 540}) {
            for (int flip : {1, -1}) {
                Figure figure = model.startFigure();
                figure.setPlacement(i, {256, 256, angle, double(flip)});
                model.SetCurrentFigure(figure);
                for (int j = 0; j < shape.vertexCount; ++j) {
                    const Point turned = QuarterTurn(shape.x[j] - shape.pivotX, shape.y[j] - shape.pivotY, angle, flip);
                    EXPECT_EQ(model.boardPolygon(i)[j], (Point{256 + turned.x, 256 + turned.y}))
                        << "piece " << i << " vertex " << j << " angle " << angle << " flip " << flip;
                }
            }
        }
    }
}

TEST_P(PieceSetFile, PivotsLieOnTheirPieces)
{
    // The piece turns about its pivot; one far off the piece swings it around.
    const PieceSet& set = model.pieceSet();
    for (int i = 0; i < set.pieceCount; ++i) {
        const PieceShape& shape = set.shapes[i];
        Polygon outline;
        for (int j = 0; j < shape.vertexCount; ++j)
            outline.push_back({shape.x[j], shape.y[j]});
        EXPECT_EQ(Distance({{shape.pivotX, shape.pivotY}}, outline), 0.0) << "piece " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Shipped, PieceSetFile, ::testing::ValuesIn(ShippedSets()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PieceSetFolder, HoldsOnlyCheckedSets)
{
    std::set<std::string> checked;
    for (const ShippedSet& set : ShippedSets())
        checked.insert(set.name);
    std::set<std::string> shipped;
    for (const auto& entry : std::filesystem::directory_iterator(PieceSetFolder()))
        if (entry.path().extension() == ".plt")
            shipped.insert(entry.path().stem().string());
    EXPECT_EQ(shipped, checked);
}

} // namespace

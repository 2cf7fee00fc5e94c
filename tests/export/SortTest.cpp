// The two list sorts against a direct transcription of the one-at-a-time
// insertion sorts (the oracle), and the nuance key on hand-made images.
#include "ExportFixtures.h"

#include "export/ExportDrawing.h"
#include "export/FigureSort.h"
#include "export/NuanceKey.h"
#include "export/SortOrder.h"
#include "io/TextCodec.h"

#include <QCollator>
#include <QLocale>

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace zol::test {
namespace {

struct Outcome {
    std::vector<std::string> lines;
    int selected;
    bool modified;
    bool operator==(const Outcome&) const = default;
};

void PrintTo(const Outcome& o, std::ostream* os)
{
    *os << "selected " << o.selected << (o.modified ? " modified:" : " unmodified:");
    for (size_t i = 1; i < o.lines.size(); i += 2)
        *os << " [" << o.lines[i] << "]";
}

Outcome Result(const TangramModel& model, int selected) { return {model.figureLines(), selected, model.modified()}; }

// Placement lines that read as the board's but are not written as the board
// writes them: a "+" sign and numbers beyond the set's pieces.
void WriteLinesUnlikeTheBoard(TangramModel& model)
{
    std::vector<std::string> lines = model.figureLines();
    for (size_t i = 2; i < lines.size(); i += 2)
        lines[i] = "+" + lines[i] + ",9,9,9,9";
    model.SetFigureLines(lines, model.documentEncoding());
}

// --- the oracle: figures moved one at a time with the model's list operations

void Move(TangramModel& model, int i, int t, int& selected)
{
    model.LoadFigure(i);
    model.RemoveFigure(i);
    model.StoreFigure(t);
    if (i == selected)
        selected = t;
    else if (i > selected && t <= selected)
        ++selected;
}

Outcome OracleCaptionSort(TangramModel model, int selected)
{
    const int n = model.figureCount();
    if (n < 2)
        return Result(model, selected);
    QCollator collator(QLocale::system());
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    QStringList placed;
    for (int i = 0; i < n; ++i) {
        const QString c = DecodeText(model.GetFigureCaption(i), model.documentEncoding());
        int lo = 0, hi = static_cast<int>(placed.size()) - 1;
        while (lo <= hi) {
            const int mid = (lo + hi) / 2;
            const int r = collator.compare(placed[mid], c);
            if (r < 0) {
                lo = mid + 1;
            } else {
                hi = mid - 1;
                if (r == 0)
                    lo = mid;
            }
        }
        placed.insert(lo, c);
        Move(model, i, lo, selected);
    }
    return Result(model, selected);
}

Outcome OracleNuanceSort(TangramModel model, const std::vector<int>& keys, int selected)
{
    const int n = model.figureCount();
    std::vector<int> entry(keys.size());
    for (int i = 0; i < n; ++i) {
        const int key = keys[i];
        entry[i] = key;
        int d = 0;
        while (d < i && key > entry[i - d - 1]) {
            entry[i - d] = entry[i - d - 1];
            entry[i - d - 1] = key;
            ++d;
        }
        if (i > 0 && d > 0)
            Move(model, i, i - d, selected);
    }
    return Result(model, selected);
}

// --- caption sort --------------------------------------------------------------

struct CaptionCase {
    const char* name;
    QStringList captions;
    QStringList sorted;
};

void PrintTo(const CaptionCase& c, std::ostream* os) { *os << c.name; }

class CaptionSort : public ::testing::TestWithParam<CaptionCase> {};

TEST_P(CaptionSort, GivesTheOrderOfOneAtATimeInsertion)
{
    TangramModel model;
    FillDocument(model, GetParam().captions);
    NoProgress none;
    SortByCaption(model, -1, none);
    EXPECT_EQ(Captions(model), GetParam().sorted);
    EXPECT_TRUE(model.modified()) << "every figure was taken out and put back";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CaptionSort,
    ::testing::Values(CaptionCase{"CaseIgnored", {"b", "A"}, {"A", "b"}},
                      // Equal captions identified by their shift: the later one lands before the equal one met first.
                      CaptionCase{"ThreeEqual", {"x", "x", "x"}, {"x", "x", "x"}},
                      CaptionCase{"AlreadySorted", {"a", "b", "c"}, {"a", "b", "c"}},
                      CaptionCase{"Mixed", {"pear", "Apple", "fig", "apple", "FIG"}, {"apple", "Apple", "FIG", "fig", "pear"}}),
    [](const auto& info) { return std::string(info.param.name); });

// Equal captions: figure numbers tell where each one ended.
TEST(CaptionSortTies, ThreeEqualEndAs321AndFourAs3421)
{
    for (const auto& [count, expected] : std::vector<std::pair<int, std::vector<int>>>{{3, {2, 1, 0}}, {4, {2, 3, 1, 0}}}) {
        QStringList captions;
        for (int i = 0; i < count; ++i)
            captions << QStringLiteral("same");
        TangramModel model;
        FillDocument(model, captions);
        std::vector<std::string> lines = model.figureLines();
        NoProgress none;
        const SortResult result = SortByCaption(model, 0, none);
        EXPECT_EQ(result.order, expected);
        for (int p = 0; p < count; ++p)
            EXPECT_EQ(model.figureLines()[2 * p + 2], lines[2 * expected[p] + 2]) << "position " << p;
        EXPECT_EQ(result.selected, NewPosition(expected, 0));
        EXPECT_TRUE(model.modified()) << "marked although the captions' order did not change";
    }
}

TEST(CaptionSortOracle, MatchesOneAtATimeOnRandomListsWithManyTies)
{
    const QStringList pool = {"a", "A", "b", "B", "ab", "AB", "aB", "b a", "", "あ", "ア", "Zz", "zZ", "ａ"};
    std::mt19937 random(11);
    for (int run = 0; run < 300; ++run) {
        const int n = 2 + static_cast<int>(random() % 40);
        QStringList captions;
        for (int i = 0; i < n; ++i)
            captions << pool[static_cast<int>(random() % (run % 3 == 0 ? 3 : pool.size()))];
        TangramModel model;
        FillDocument(model, captions);
        const int selected = static_cast<int>(random() % (n + 1)) - 1;
        const Outcome expected = OracleCaptionSort(model, selected);
        NoProgress none;
        const SortResult result = SortByCaption(model, selected, none);
        ASSERT_EQ(Result(model, result.selected), expected) << "run " << run << ": " << captions.join('|').toStdString();
    }
}

TEST(CaptionSortOracle, FewerThanTwoFiguresChangeNothing)
{
    TangramModel model;
    FillDocument(model, {"only"});
    RecordedProgress progress;
    const SortResult result = SortByCaption(model, 0, progress);
    EXPECT_FALSE(model.modified());
    EXPECT_EQ(result.selected, 0);
    EXPECT_TRUE(progress.starts.empty()) << "no gauge for nothing to do";
}

TEST(CaptionSortOracle, KeepsPlacementLinesThatDoNotParse)
{
    TangramModel model;
    FillDocument(model, {"b", "a"});
    std::vector<std::string> lines = model.figureLines();
    lines[2] = "1,2,x";
    model.SetFigureLines(lines, model.documentEncoding());
    NoProgress none;
    SortByCaption(model, -1, none);
    EXPECT_EQ(model.figureLines()[4], "1,2,x") << "moved as it was";
}

// Every figure is taken out and put back, so every line comes out as the board writes it.
TEST(CaptionSortOracle, WritesEveryFigureAsTheBoardDoes)
{
    TangramModel model;
    FillDocument(model, {"c", "a", "b", "a"});
    WriteLinesUnlikeTheBoard(model);
    const Outcome expected = OracleCaptionSort(model, 1);
    ASSERT_EQ(expected.lines[2].find('+'), std::string::npos);
    NoProgress none;
    const SortResult result = SortByCaption(model, 1, none);
    EXPECT_EQ(Result(model, result.selected), expected);
}

// Captions that a Japanese collation equates though they differ in more than
// case (hiragana and katakana, half and full width) are not equal captions:
// sorting a sorted list leaves it as it is, whatever the locale.
TEST(CaptionSortSystemLocale, SortingASortedListChangesNothing)
{
    const QByteArray expectedLocale = qgetenv("ZOL_TEST_LOCALE");
    if (!expectedLocale.isEmpty()) {
        ASSERT_EQ(QLocale::system().name().toUtf8(), expectedLocale) << "the test runs under another locale";
    }
    TangramModel model;
    // No two differ in case alone: such captions are equal, and equal captions swap on every sort.
    FillDocument(model, {"ア", "い", "あ", "ｱ", "ａ", "a", "b", "バ", "ｂ"});
    NoProgress none;
    SortByCaption(model, -1, none);
    const QStringList once = Captions(model);
    for (int k = 0; k < 3; ++k) {
        SortByCaption(model, -1, none);
        EXPECT_EQ(Captions(model), once) << "sort " << k + 2;
    }
    EXPECT_LT(once.indexOf("a") - once.indexOf("b"), 0);
}

TEST(CaptionSortJapanese, IgnoresCaseAlone)
{
    QCollator collator(QLocale(QLocale::Japanese, QLocale::Japan));
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    struct Case {
        QString a, b;
        bool equal;
    } cases[] = {
        {"a", "A", true},   {"Ｂ", "ｂ", true}, {"ア", "あ", false},
        {"ｱ", "ア", false}, {"a", "ａ", false}, {"ア", "ア", true},
    };
    for (const Case& c : cases) {
        // Equal captions: the later one goes first, in either order given.
        const std::vector<int> order = CaptionOrder({c.a, c.b}, collator);
        EXPECT_EQ(CaptionOrder({c.b, c.a}, collator) == order, c.equal)
            << c.a.toStdString() << " " << c.b.toStdString();
        if (c.equal) {
            EXPECT_EQ(order, (std::vector<int>{1, 0}));
        }
    }
    const std::vector<int> once = CaptionOrder({"ア", "い", "あ"}, collator);
    EXPECT_EQ(once, CaptionOrder({"ア", "い", "あ"}, collator));
}

// A last caption without a placement line is no figure: it stays last.
TEST(SortUnpairedCaption, StaysLast)
{
    for (const bool byCaption : {true, false}) {
        TangramModel model;
        FillDocument(model, {"b", "a", "c"}, {0, 300, 150});
        std::vector<std::string> lines = model.figureLines();
        lines.push_back("unpaired");
        model.SetFigureLines(lines, model.documentEncoding());
        NoProgress none;
        const SortResult result = byCaption ? SortByCaption(model, -1, none) : SortByNuance(model, 0, -1, none);
        EXPECT_TRUE(result.moved);
        EXPECT_EQ(model.figureCount(), 3);
        EXPECT_EQ(model.figureLines().size(), lines.size());
        EXPECT_EQ(model.figureLines()[lines.size() - 1], "unpaired");
    }
}

TEST(CaptionSortOracle, ShowsProgressUpToTheFigureCount)
{
    TangramModel model;
    FillDocument(model, {"c", "b", "a"});
    RecordedProgress progress;
    SortByCaption(model, -1, progress);
    EXPECT_EQ(progress.starts, std::vector<int>{3});
    ASSERT_FALSE(progress.steps.empty());
    EXPECT_EQ(progress.steps.back(), 3);
    EXPECT_EQ(progress.finishes, 1);
}

// --- nuance sort ---------------------------------------------------------------

TEST(NuanceOrderOracle, MatchesOneAtATimeOnRandomKeysWithManyTies)
{
    std::mt19937 random(5);
    for (int run = 0; run < 300; ++run) {
        const int n = 2 + static_cast<int>(random() % 30);
        QStringList captions;
        std::vector<int> keys;
        for (int i = 0; i < n; ++i) {
            captions << QString::number(i);
            keys.push_back(static_cast<int>(random() % 5) - 2);
        }
        if (run % 10 == 0)
            std::sort(keys.begin(), keys.end(), std::greater<>());
        TangramModel model;
        FillDocument(model, captions);
        const int selected = static_cast<int>(random() % (n + 1)) - 1;
        const Outcome expected = OracleNuanceSort(model, keys, selected);
        const std::vector<int> order = NuanceOrder(keys);
        if (!IsIdentity(order)) {
            ApplyOrder(model, order);
            model.setModified(true);
        }
        ASSERT_EQ(Result(model, NewPosition(order, selected)), expected) << "run " << run;
    }
}

class NuanceSort : public ::testing::TestWithParam<int> {};

// Figures shifted off the board's right edge by different amounts lose
// different parts, so their keys differ; equal shifts give equal keys.
TEST_P(NuanceSort, RendersEveryFigureAndMatchesTheOracle)
{
    const int level = GetParam();
    TangramModel model;
    FillDocument(model, {"0", "1", "2", "3", "4", "5", "6"}, {300, 0, 150, 0, 220, 300, 80});
    // Only the figures the insertion takes out and puts back are written anew.
    WriteLinesUnlikeTheBoard(model);
    const Figure board = model.GetCurrentFigure();
    NoProgress none;
    const std::vector<int> keys = NuanceKeys(model, level, none);
    EXPECT_EQ(keys[0], keys[5]);
    EXPECT_EQ(keys[1], keys[3]);
    const Outcome expected = OracleNuanceSort(model, keys, 3);
    const SortResult result = SortByNuance(model, level, 3, none);
    EXPECT_EQ(Result(model, result.selected), expected);
    EXPECT_TRUE(result.moved);
    EXPECT_EQ(model.GetCurrentFigure(), board) << "the board figure is put back";
}

INSTANTIATE_TEST_SUITE_P(Levels, NuanceSort, ::testing::Values(0, 2, 4),
                         [](const auto& info) { return "level" + std::to_string(info.param); });

// Long lists are measured on all cores; the keys must be those of one figure at a time.
TEST(NuanceKeys, OfALongListAreThoseOfEachFigureAlone)
{
    QStringList captions;
    std::vector<int> shifts;
    for (int i = 0; i < 150; ++i) {
        captions << QString::number(i);
        shifts.push_back((i * 37) % 320);
    }
    TangramModel model;
    FillDocument(model, captions, shifts);
    RecordedProgress progress;
    const std::vector<int> keys = NuanceKeys(model, 0, progress);
    QImage board(BoardSize, BoardSize, QImage::Format_RGB32);
    QImage work(GuideSize, GuideSize, QImage::Format_RGB32);
    for (int i = 0; i < model.figureCount(); ++i) {
        RenderListFigure(model, i, board, work, false);
        ASSERT_EQ(keys[i], NuanceKey(work, BackgroundPixel(model), 0)) << "figure " << i;
    }
    EXPECT_EQ(progress.steps.back(), 150);
    EXPECT_TRUE(std::is_sorted(progress.steps.begin(), progress.steps.end()));
}

TEST(NuanceSortModified, OnlyWhenAFigureMoved)
{
    TangramModel model;
    FillDocument(model, {"a", "b", "c"}, {0, 0, 0});
    NoProgress none;
    const SortResult same = SortByNuance(model, 0, 1, none);
    EXPECT_FALSE(same.moved);
    EXPECT_FALSE(model.modified()) << "equal keys: nothing moves";
    EXPECT_EQ(same.selected, 1);
}

TEST(NuanceSortModified, FollowsTheZoomAsTheBoardDoes)
{
    TangramModel model;
    FillDocument(model, {"a"});
    NoProgress none;
    const int plain = NuanceKeys(model, 0, none)[0];
    model.setZoomPercent(200);
    EXPECT_NE(NuanceKeys(model, 0, none)[0], plain);
}

TEST(NuanceSortModified, AnUnreadableFigureStopsItBeforeAnyChange)
{
    TangramModel model;
    FillDocument(model, {"a", "b", "c"}, {200, 0, 100});
    std::vector<std::string> lines = model.figureLines();
    lines[6] = "1,2,x";
    model.SetFigureLines(lines, model.documentEncoding());
    RecordedProgress progress;
    EXPECT_THROW(SortByNuance(model, 0, -1, progress), ConversionError);
    EXPECT_EQ(model.figureLines(), lines);
    EXPECT_FALSE(model.modified());
    EXPECT_EQ(progress.finishes, 1) << "the gauge is hidden again";
}

// --- the key of an image -------------------------------------------------------

QImage Work(const std::function<bool(int, int)>& figure)
{
    QImage image(GuideSize, GuideSize, QImage::Format_RGB32);
    for (int y = 0; y < GuideSize; ++y)
        for (int x = 0; x < GuideSize; ++x)
            image.setPixel(x, y, figure(x, y) ? qRgb(200, 10, 10) : qRgb(0, 0, 255));
    return image;
}

struct KeyCase {
    const char* name;
    std::function<bool(int, int)> figure;
    int level;
    int key;
};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.name; }

class NuanceKeyOf : public ::testing::TestWithParam<KeyCase> {};

TEST_P(NuanceKeyOf, SumsTheProductsOfNeighbouringCellBalances)
{
    EXPECT_EQ(NuanceKey(Work(GetParam().figure), 0x0000FF, GetParam().level), GetParam().key);
}

INSTANTIATE_TEST_SUITE_P(
    Images, NuanceKeyOf,
    ::testing::Values(
        KeyCase{"AllBackground", [](int, int) { return false; }, 0, 32512},
        KeyCase{"AllFigure", [](int, int) { return true; }, 0, 32512},
        KeyCase{"Checkerboard", [](int x, int y) { return (x + y) % 2 == 1; }, 0, -32512},
        // Left half figure: only the 128 pairs across the middle straddle it.
        KeyCase{"HalfAtLevel0", [](int x, int) { return x < 64; }, 0, 32512 - 2 * 128},
        // 8 x 8 cells of +-256: 112 pairs, 8 of them across the middle.
        KeyCase{"HalfAtLevel4", [](int x, int) { return x < 64; }, 4, 256 * 256 * (112 - 2 * 8)},
        // Each 16-pixel cell is half figure: every balance is 0.
        KeyCase{"FineStripesAtLevel4", [](int x, int) { return x % 2 == 0; }, 4, 0},
        KeyCase{"FineStripesAtLevel0", [](int x, int) { return x % 2 == 0; }, 0, 32512 - 2 * 127 * 128}),
    [](const auto& info) { return std::string(info.param.name); });

// The key as its definition reads: a table of cell balances, then every
// pair of neighbours along rows and columns.
int OracleKey(const QImage& work, uint32_t background, int level)
{
    const int side = 1 << level, cells = GuideSize >> level;
    std::vector<int> balance(size_t(cells * cells));
    for (int y = 0; y < GuideSize; ++y)
        for (int x = 0; x < GuideSize; ++x)
            balance[size_t((y / side) * cells + x / side)] += (work.pixel(x, y) & 0xFFFFFFu) != background ? 1 : -1;
    int key = 0;
    for (int b = 0; b < cells; ++b) {
        for (int a = 0; a < cells; ++a) {
            if (a + 1 < cells)
                key += balance[size_t(b * cells + a)] * balance[size_t(b * cells + a + 1)];
            if (b + 1 < cells)
                key += balance[size_t(b * cells + a)] * balance[size_t((b + 1) * cells + a)];
        }
    }
    return key;
}

// Noise of random density, so that cells of every balance occur.
TEST(NuanceKeyOfRandomImages, MatchesTheDefinition)
{
    std::mt19937 rng(17);
    for (int round = 0; round < 12; ++round) {
        const int density = int(rng() % 100);
        const QImage work = Work([&](int x, int y) { return (x * 7 + y * 3 + int(rng() % 100)) % 100 < density; });
        for (const int level : {0, 2, 4})
            ASSERT_EQ(NuanceKey(work, 0x0000FF, level), OracleKey(work, 0x0000FF, level))
                << "round " << round << " level " << level;
    }
}

TEST(NuanceKeyBackground, IsThePixelTheBackgroundIsDrawnAs)
{
    TangramModel model;
    model.SetPalette(WorkspaceColor, 255, 0, 0, 0, 255, 0);
    model.setWorkspaceRgb(0x123456);
    QImage board(BoardSize, BoardSize, QImage::Format_RGB32);
    model.DrawFigure(-1, 1.0, board, Background::Fill);
    EXPECT_EQ(BackgroundPixel(model), board.pixel(0, 0) & 0xFFFFFFu);
    EXPECT_EQ(BackgroundPixel(model), 0x563412u);
}

} // namespace
} // namespace zol::test

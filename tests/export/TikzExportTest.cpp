// TikZ code of figures: coordinates in centimetres with y turned up, the
// caption kept inside its comment whatever it holds, and a standalone
// document that pdflatex compiles into the silhouette our own board draws.
#include "ExportFixtures.h"

#include "export/TikzFigure.h"
#include "export/VectorExport.h"
#include "io/DocumentFile.h"
#include "io/LineFile.h"
#include "io/Prompter.h"
#include "io/TextCodec.h"
#include "model/FigureRenderer.h"
#include "model/Palette.h"
#include "model/PlacementLine.h"
#include "support/SilhouetteFigures.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace zol::test {
namespace {

std::string Picture(const TangramModel& model, const Figure& figure, VectorStyle style, double scale = 1.0)
{
    return TikzPictureText({3, MakeVectorFigure(model, figure, style)}, scale);
}

Figure Captioned(const TangramModel& model, const QString& caption)
{
    Figure figure = model.currentFigure();
    figure.caption = *EncodeText(caption, model.documentEncoding());
    return figure;
}

TEST(TikzPicture, PlacesTheBoardInCentimetresWithYUp)
{
    TangramModel model;
    const double scale = 2.0;
    const QString text = QString::fromStdString(Picture(model, model.currentFigure(), VectorStyle::Pieces, scale));
    const double cm = scale * 2.54 / 96;
    // The pieces in draw order, each with the colour defined for it.
    static const QRegularExpression filldraw(QStringLiteral(R"(^\\filldraw\[zolpiece(\d+), even odd rule\] (.*);$)"),
                                             QRegularExpression::MultilineOption);
    static const QRegularExpression point(QStringLiteral(R"(\((-?[\d.]+),(-?[\d.]+)\))"));
    int k = 0;
    for (auto it = filldraw.globalMatch(text); it.hasNext(); ++k) {
        const QRegularExpressionMatch m = it.next();
        const int piece = model.drawOrder()[k];
        ASSERT_EQ(m.captured(1).toInt(), piece);
        EXPECT_TRUE(text.contains(QStringLiteral("\\definecolor{zolpiece%1}{RGB}{255,6,0}").arg(piece)));
        const Point* polygon = model.boardPolygon(piece);
        int j = 0;
        for (auto p = point.globalMatch(m.captured(2)); p.hasNext(); ++j) {
            const QRegularExpressionMatch xy = p.next();
            ASSERT_LT(j, model.polygonSize(piece));
            EXPECT_NEAR(xy.captured(1).toDouble(), polygon[j].x * cm, 1e-4);
            EXPECT_NEAR(xy.captured(2).toDouble(), (BoardSize - polygon[j].y) * cm, 1e-4);
        }
        EXPECT_EQ(j, model.polygonSize(piece));
        EXPECT_TRUE(m.captured(2).endsWith(QStringLiteral("-- cycle")));
    }
    EXPECT_EQ(k, model.pieceCount());
    EXPECT_TRUE(text.contains(QStringLiteral("line width=%1cm").arg(QString::number(cm, 'f', 4))))
        << "the board's pen is one board pixel";
}

TEST(TikzPicture, SilhouetteIsOnePathWithItsHoleAndATransparentBackgroundOnlyAFrame)
{
    TangramModel model;
    model.SetPalette(WorkspaceColor, 0, 0, 0, 0, 0, 0); // black on the window's colour
    const Figure holed = ParsePlacementLine(WithHole, model.pieceCount(), 0);
    const QString text = QString::fromStdString(Picture(model, holed, VectorStyle::Silhouette));
    EXPECT_EQ(text.count(QStringLiteral("\\filldraw")), 1);
    EXPECT_EQ(text.count(QStringLiteral("-- cycle")), 2) << "the outline and its hole";
    EXPECT_TRUE(text.contains(QStringLiteral("even odd rule")));
    EXPECT_TRUE(text.contains(QStringLiteral("\\definecolor{zolsilhouette}{RGB}{0,0,0}")));
    EXPECT_FALSE(text.contains(QStringLiteral("zolbackground")));
    EXPECT_TRUE(text.contains(QStringLiteral("\\path (")));
}

struct HostileCaption {
    const char* name;
    QString caption;
};

void PrintTo(const HostileCaption& c, std::ostream* os) { *os << c.name; }

class TikzCaption : public ::testing::TestWithParam<HostileCaption> {};

// Whatever the caption holds, the picture is its comment line followed by
// lines of TeX commands only.
TEST_P(TikzCaption, StaysInsideOneCommentLine)
{
    TangramModel model;
    model.setDocumentEncoding(TextEncoding::Utf8);
    const QString text =
        QString::fromStdString(Picture(model, Captioned(model, GetParam().caption), VectorStyle::Pieces));
    const QStringList lines = text.split('\n');
    ASSERT_GE(lines.size(), 3);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("% 3: "))) << lines[0].toStdString();
    EXPECT_EQ(lines[1].left(19), QStringLiteral("\\begin{tikzpicture}"));
    for (const QString& line : lines.mid(1))
        EXPECT_TRUE(line.isEmpty() || line.startsWith('\\')) << "a line outside the comment: " << line.toStdString();
    EXPECT_EQ(text.count(QStringLiteral("\\end{tikzpicture}")), 1);
    for (const QChar c : lines[0])
        EXPECT_NE(c.category(), QChar::Other_Control) << "control character " << int(c.unicode());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TikzCaption,
    ::testing::Values(HostileCaption{"LineFeed", QStringLiteral("fox\n\\end{document}")},
                      HostileCaption{"CarriageReturn", QStringLiteral("fox\r\\bye")},
                      HostileCaption{"PercentAndBackslash", QStringLiteral("100% \\relax\\")},
                      HostileCaption{"UnicodeLineSeparators", QStringLiteral("a\u2028\\b\u2029\\c\u0085\\d")},
                      HostileCaption{"FormFeedAndVerticalTab", QStringLiteral("a\f\\b\v\\c")}),
    [](const auto& info) { return std::string(info.param.name); });

// --- compiled by pdflatex ------------------------------------------------------------

struct Quiet : Prompter {
    void Inform(const std::string&) override {}
    bool Confirm(const std::string&) override { return false; }
};

bool RunIn(const QString& program, const QStringList& arguments, const QString& folder, QString* output = nullptr)
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    const bool finished = process.waitForFinished(120000);
    const QString text = QString::fromLocal8Bit(process.readAll());
    if (output)
        *output = text;
    EXPECT_TRUE(finished && process.exitCode() == 0) << program.toStdString() << ":\n" << text.toStdString();
    return finished && process.exitCode() == 0;
}

// Board pixels the figure covers, black pieces on white as the board draws them.
int BoardPixels(const TangramModel& model, int index)
{
    const QImage board = FigureRenderer(model).Board(model.ParseFigure(index));
    int count = 0;
    for (int y = 0; y < board.height(); ++y)
        for (int x = 0; x < board.width(); ++x)
            count += qGray(board.pixel(x, y)) < 128;
    return count;
}

double InkOf(const QImage& page)
{
    double ink = 0.0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            ink += (255 - qGray(page.pixel(x, y))) / 255.0;
    return ink;
}

TEST(TikzLatex, CompilesToTheSilhouetteOurBoardDrawsWhateverTheCaptions)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    TangramModel model;
    Quiet quiet;
    ASSERT_TRUE(LoadDocument(model, SAMPLE_DOCUMENT, QString(), quiet));
    const PaletteParams& white = FixedPalettes()[0].params; // black on white
    model.SetPalette(white.bgcolor, white.ho, white.so, white.vo, white.hr, white.sr, white.vr);
    // Captions that would end the document or start a command if they left their comment.
    model.SetFigureCaption(0, *EncodeText(QStringLiteral("猫\n\\end{document}"), model.documentEncoding()));
    model.SetFigureCaption(1, *EncodeText(QStringLiteral("100%\r\\bye"), model.documentEncoding()));
    const std::vector<int> figures{0, 1, 2};
    const QString tex = dir.filePath(QStringLiteral("figures.tex"));
    NoProgress none;
    WriteTikzFile(model, figures, tex, {VectorStyle::Silhouette, 1.0}, true, none);

    QString log;
    ASSERT_TRUE(RunIn(QStringLiteral("pdflatex"), {"-interaction=nonstopmode", "-halt-on-error", "figures.tex"},
                    dir.path(), &log));
    EXPECT_TRUE(log.contains(QStringLiteral("Output written on figures.pdf (1 page"))) << log.toStdString();
    // At 192 dots an inch a board pixel (a CSS pixel, 1/96 inch) is two page pixels across.
    ASSERT_TRUE(RunIn(QStringLiteral("pdftoppm"), {"-png", "-r", "192", "-singlefile", "figures.pdf", "page"}, dir.path()));
    const QImage page = QImage(dir.filePath(QStringLiteral("page.png"))).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(page.isNull());
    double expected = 0.0;
    for (const int k : figures)
        expected += 4.0 * BoardPixels(model, k);
    EXPECT_NEAR(InkOf(page), expected, 0.02 * expected);
    page.save(QDir(QStringLiteral(SHOTS_DIR)).filePath(QStringLiteral("tikz-page.png")));
}

} // namespace
} // namespace zol::test

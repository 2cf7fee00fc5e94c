// The groups of figures that share a silhouette, and the solutions of the
// selected figure, each shown as thumbnails that a click takes up.
#include "EditorFixture.h"

#include "model/PlacementLine.h"
#include "model/SilhouetteMatch.h"
#include "support/SilhouetteFigures.h"
#include "ui/DisplayText.h"

#include <QDialog>
#include <QToolButton>

namespace zol::test {
namespace {

class SilhouetteWindows : public EditorFixture {
protected:
    // Appends figures of these placement lines, captioned by their order.
    void AddLines(const std::vector<const char*>& placements)
    {
        for (const char* line : placements) {
            TangramModel& model = form->editor().model;
            Figure f = ParsePlacementLine(line, model.pieceCount(), 0);
            f.caption = *CaptionBytes(model, QStringLiteral("図%1").arg(model.figureCount()));
            model.SetCurrentFigure(f);
            form->ShowEditor();
            SelectRow(-1);
            Run("EditAdd");
        }
        // Appending puts each figure first: back into the order given.
        Run("OptSSort");
    }
    QDialog* Window(const char* name) const { return form->findChild<QDialog*>(QLatin1String(name)); }
    QStringList Thumbnails(QDialog* window) const
    {
        QStringList texts;
        for (QToolButton* button : window->findChildren<QToolButton*>())
            texts << button->text();
        return texts;
    }
};

TEST_F(SilhouetteWindows, DuplicatesShowInARowAndAClickSelectsTheFigure)
{
    AddLines({ClassicSquare, NotchedSquare, MovedSquare, WithHole});
    Run("EditFindDuplicates");
    QDialog* window = Window("DuplicatesWindow");
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(Thumbnails(window), (QStringList{QStringLiteral("1: 図0"), QStringLiteral("3: 図2")}));
    window->findChild<QToolButton*>(QStringLiteral("Figure2"))->click();
    EXPECT_EQ(SelectedRow(), 2);
    EXPECT_EQ(form->editor().guideFigure, form->editor().model.ParseFigure(2)) << "the guide shows it";
}

TEST_F(SilhouetteWindows, NoDuplicatesIsSaid)
{
    AddLines({ClassicSquare, NotchedSquare});
    Run("EditFindDuplicates");
    EXPECT_EQ(Shown(ScriptedDialogs::Kind::Information), QStringList{QStringLiteral("見つかりませんでした。")});
    EXPECT_EQ(Window("DuplicatesWindow"), nullptr);
}

TEST_F(SilhouetteWindows, ASolutionClickedGoesOnTheBoardAsOneUndoStep)
{
    AddLines({ClassicSquare});
    PlaceOnBoard(Spread());
    SelectRow(0);
    Run("EditFindSolutions");
    QDialog* window = Window("SolutionsWindow");
    ASSERT_NE(window, nullptr);
    ASSERT_FALSE(Thumbnails(window).isEmpty());
    const Figure before = form->editor().model.GetCurrentFigure();
    const int undo = form->editor().undoRing().undoCount();
    window->findChild<QToolButton*>(QStringLiteral("Figure0"))->click();

    const TangramModel& model = form->editor().model;
    const Silhouette square = FigureSilhouette(model.pieceSet(), model.ParseFigure(0));
    EXPECT_LE(OutlineDistance(FigureSilhouette(model.pieceSet(), model.GetCurrentFigure()), square),
              SameSilhouetteTolerance)
        << "in place, where the figure stands";
    EXPECT_EQ(CaptionShown(), QStringLiteral("図0"));
    EXPECT_EQ(form->editor().undoRing().undoCount(), undo + 1);
    Run("EditUndo");
    EXPECT_EQ(model.GetCurrentFigure(), before);
}

} // namespace
} // namespace zol::test

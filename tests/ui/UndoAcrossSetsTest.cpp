// The undo history holds figures of one piece set: every load that installs
// another set, whether it then succeeds or not, starts the history over.
#include "EditorFixture.h"

#include <QMenu>

#include <functional>

namespace zol::test {
namespace {

class UndoAcrossSets : public EditorFixture {
protected:
    void PrepareProgramFolder() override { CopyData("pltes/stomachion.plt", QStringLiteral("pltes/stomachion.plt")); }
    // Chooses the set from the piece-set menu, as the drop-down does.
    void ChooseStomachion()
    {
        for (QAction* item : Control<QMenu>(QStringLiteral("PopupMenuPlt")).actions())
            if (item->text() == QStringLiteral("ストマキオン"))
                return item->trigger();
        FAIL() << "no ストマキオン in the piece-set menu";
    }
    void Open(const QString& path)
    {
        dialogs.QueuePath(path);
        Run("FileOpen");
    }
};

TEST_F(UndoAcrossSets, AnyLoadAfterASetSwitchLeavesNothingToUndo)
{
    const struct {
        const char* name;
        std::function<void()> load;
    } loads[] = {
        // Its set line names the built-in set: found or not, the set changes.
        {"document of the built-in set", [&] { Open(CopyFixture("cp932.zol", "docs/house.zol")); }},
        {"file that is no document", [&] { Open(WriteFile("docs/notes.zol", "hello\r\nworld\r\n")); }},
        {"built-in set from the menu", [&] { Run("defaultPlt"); }},
    };
    for (const auto& load : loads) {
        SCOPED_TRACE(load.name);
        dialogs = ScriptedDialogs();
        StartWindow();
        ChooseStomachion();
        ASSERT_EQ(form->editor().model.pieceSet().name, "stomachion");
        ClickBoard({256, 256});
        ClickBoard({300, 300}); // a drop: an undo entry of the stomachion set
        ASSERT_GE(form->editor().undoRing().undoCount(), 1);

        load.load();
        ASSERT_NE(form->editor().model.pieceSet().name, "stomachion");
        EXPECT_EQ(form->editor().undoRing().undoCount(), 0);
        EXPECT_EQ(form->editor().undoRing().redoCount(), 0);
        EXPECT_FALSE(Action("EditUndo").isEnabled());
        const Figure board = form->editor().model.GetCurrentFigure();
        Run("EditUndo");
        EXPECT_EQ(form->editor().model.GetCurrentFigure(), board);
    }
}

} // namespace
} // namespace zol::test

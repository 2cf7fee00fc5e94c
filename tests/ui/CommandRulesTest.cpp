// When each command can run, from the editor's state alone: no window.
#include "ui/CommandRules.h"
#include "ui/Editor.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace zol::test {
namespace {

using Names = std::vector<std::string_view>;

struct RuleCase {
    Names commands;
    CommandState state; // figures, selected row, undo entries, redo entries
    bool enabled;
};

TEST(CommandRules, FollowTheListTheSelectedRowAndTheHistory)
{
    const Names always = {"FileNew", "FileOpen", "FileMarge", "FileSave", "FileSaveAs", "EditAdd", "EditBreak",
                          "OptAA", "AA", "ClipCopy1", "PaletteCSetWB", "HelpQRefference", "HistoryItem0"};
    const Names listCommands = {"FilePuzzleSheets", "FileExportSvg",   "FileExportGtans", "OptSSort",
                                "OptNSortLevel1",   "OptNSortLevel2",  "OptNSortLevel3",  "OptActiveViewer",
                                "OptmkHTML"};
    const Names rowCommands = {"EditDelete", "EditGoEdit", "ToolButtonShowTable"};
    const RuleCase cases[] = {
        {always, {0, -1, 0, 0}, true},
        {always, {5, 2, 3, 4}, true},
        // The piece set changes only while the list is empty.
        {{"EditChange"}, {0, -1, 0, 0}, true},
        {{"EditChange"}, {1, -1, 0, 0}, false},
        {listCommands, {0, -1, 0, 0}, false},
        {listCommands, {1, -1, 0, 0}, true},
        {rowCommands, {3, -1, 0, 0}, false},
        {rowCommands, {3, 0, 0, 0}, true},
        {rowCommands, {0, 0, 0, 0}, false}, // a row number without figures names nothing
        {{"EditUp", "EditDown"}, {3, -1, 0, 0}, false},
        {{"EditUp", "EditDown"}, {1, 0, 0, 0}, false},
        {{"EditUp"}, {3, 0, 0, 0}, false},
        {{"EditUp"}, {3, 2, 0, 0}, true},
        {{"EditDown"}, {3, 2, 0, 0}, false},
        {{"EditDown"}, {3, 1, 0, 0}, true},
        {{"EditUndo"}, {0, -1, 0, 1}, false},
        {{"EditUndo"}, {0, -1, 1, 0}, true},
        {{"EditRedo"}, {0, -1, 1, 0}, false},
        {{"EditRedo"}, {0, -1, 0, 1}, true},
    };
    for (const RuleCase& c : cases)
        for (std::string_view command : c.commands)
            EXPECT_EQ(CommandEnabled(command, c.state), c.enabled)
                << command << " with " << c.state.figures << " figures, row " << c.state.selectedRow << ", "
                << c.state.undoCount << " undo, " << c.state.redoCount << " redo";
}

TEST(CommandRules, ReadTheirStateFromTheEditor)
{
    Editor editor;
    editor.model.LoadBuiltInSet();
    editor.CreateUndoRing(10);
    editor.ResetUndo();
    editor.model.StoreFigure(-1);
    editor.model.StoreFigure(-1);
    editor.view.selectedRow = 1;
    editor.PushUndo();
    editor.PushUndo();
    editor.undo().Undo();
    const CommandState state = CommandStateOf(editor);
    EXPECT_EQ(state.figures, 2);
    EXPECT_EQ(state.selectedRow, 1);
    EXPECT_EQ(state.undoCount, 1);
    EXPECT_EQ(state.redoCount, 1);
}

} // namespace
} // namespace zol::test

#include "ui/CommandRules.h"

#include "ui/Editor.h"

#include <algorithm>
#include <iterator>

namespace zol {

namespace {

using Rule = bool (*)(const CommandState&);

namespace When {
// The piece set can change only while the list is empty.
bool ListEmpty(const CommandState& s) { return s.figures < 1; }
bool ListHasFigures(const CommandState& s) { return s.figures >= 1; }
bool ListHasTwoFigures(const CommandState& s) { return s.figures >= 2; }
bool RowSelected(const CommandState& s) { return s.figures > 0 && s.selectedRow >= 0; }
bool RowHasNext(const CommandState& s) { return RowSelected(s) && s.selectedRow + 1 < s.figures; }
bool RowHasPrevious(const CommandState& s) { return RowSelected(s) && s.selectedRow > 0; }
bool CanUndo(const CommandState& s) { return s.undoCount >= 1; }
bool CanRedo(const CommandState& s) { return s.redoCount >= 1; }
bool InPuzzle(const CommandState& s) { return s.puzzle; }
// The command that starts a puzzle ends it too.
bool RowSelectedOrInPuzzle(const CommandState& s) { return RowSelected(s) || s.puzzle; }
} // namespace When

struct CommandRule {
    std::string_view command;
    Rule enabled;
};

constexpr CommandRule Rules[] = {
    {"FilePuzzleSheets", When::ListHasFigures},
    {"FileExportSvg", When::ListHasFigures},
    {"FileExportGtans", When::ListHasFigures},
    {"EditUndo", When::CanUndo},
    {"EditRedo", When::CanRedo},
    {"EditDelete", When::RowSelected},
    {"EditGoEdit", When::RowSelected},
    {"EditDown", When::RowHasNext},
    {"EditUp", When::RowHasPrevious},
    {"OptSSort", When::ListHasFigures},
    {"OptNSortLevel3", When::ListHasFigures},
    {"OptNSortLevel2", When::ListHasFigures},
    {"OptNSortLevel1", When::ListHasFigures},
    {"EditChange", When::ListEmpty},
    {"OptActiveViewer", When::ListHasFigures},
    {"OptmkHTML", When::ListHasFigures},
    // The table view shows the selected row's neighbourhood.
    {"ToolButtonShowTable", When::RowSelected},
    {"EditFindDuplicates", When::ListHasTwoFigures},
    {"EditFindSolutions", When::RowSelected},
    {"OptPuzzle", When::RowSelectedOrInPuzzle},
    {"OptHint", When::InPuzzle},
    {"PuzzleLeave", When::InPuzzle},
};

// Commands that change neither the board nor the list: saving, exporting,
// the palette, the guide's drawing, the clipboard, the windows beside the
// editor; and those of the puzzle itself, undo and redo among them.
constexpr std::string_view PuzzleKeepers[] = {
    "OptPuzzle",       "OptHint",         "PuzzleLeave",   "EditUndo",      "EditRedo",
    "FileSave",        "FileSaveAs",      "FilePuzzleSheets", "FileExportSvg", "FileExportGtans", "FileDirOpen",
    "PaletteCSetWB",   "PaletteCSetBW",   "PaletteCSetBrl2", "PaletteCSetBrl", "PaletteCSetBrg",
    "PaletteCSetBrR",  "PaletteCSetTB",   "PaletteColorCustamize", "OptAA", "AA",
    "ClipCopy1",       "ClipCopy2",       "OptEye",        "OptActiveViewer", "OptmkHTML",
    "OptRpcal",        "HelpAbout",       "HelpQRefference", "EditFindDuplicates", "EditFindSolutions",
};

} // namespace

CommandState CommandStateOf(const Editor& editor)
{
    return {editor.model.figureCount(), editor.view.selectedRow, editor.undoRing().undoCount(),
            editor.undoRing().redoCount(), editor.inPuzzle()};
}

bool CommandEnabled(std::string_view command, const CommandState& state)
{
    for (const CommandRule& rule : Rules)
        if (rule.command == command)
            return rule.enabled(state);
    return true;
}

bool CommandKeepsPuzzle(std::string_view command)
{
    return std::find(std::begin(PuzzleKeepers), std::end(PuzzleKeepers), command) != std::end(PuzzleKeepers);
}

} // namespace zol

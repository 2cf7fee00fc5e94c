#include "ui/CommandRules.h"

#include "ui/Editor.h"

namespace zol {

namespace {

using Rule = bool (*)(const CommandState&);

namespace When {
// The piece set can change only while the list is empty.
bool ListEmpty(const CommandState& s) { return s.figures < 1; }
bool ListHasFigures(const CommandState& s) { return s.figures >= 1; }
bool RowSelected(const CommandState& s) { return s.figures > 0 && s.selectedRow >= 0; }
bool RowHasNext(const CommandState& s) { return RowSelected(s) && s.selectedRow + 1 < s.figures; }
bool RowHasPrevious(const CommandState& s) { return RowSelected(s) && s.selectedRow > 0; }
bool CanUndo(const CommandState& s) { return s.undoCount >= 1; }
bool CanRedo(const CommandState& s) { return s.redoCount >= 1; }
} // namespace When

struct CommandRule {
    std::string_view command;
    Rule enabled;
};

constexpr CommandRule Rules[] = {
    {"FilePuzzleSheets", When::ListHasFigures},
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
};

} // namespace

CommandState CommandStateOf(const Editor& editor)
{
    return {editor.model.figureCount(), editor.view.selectedRow, editor.undoRing().undoCount(),
            editor.undoRing().redoCount()};
}

bool CommandEnabled(std::string_view command, const CommandState& state)
{
    for (const CommandRule& rule : Rules)
        if (rule.command == command)
            return rule.enabled(state);
    return true;
}

} // namespace zol

#pragma once
// When each command can run, as a function of the editor's state alone: the
// window asks after every command and enables its actions accordingly.

#include <string_view>

namespace zol {

class Editor;

// What the rules read.
struct CommandState {
    int figures = 0;      // figures in the list
    int selectedRow = -1; // -1: none
    int undoCount = 0;
    int redoCount = 0;
};

CommandState CommandStateOf(const Editor& editor);

// Whether the command whose action is named `command` can run in `state`;
// a command without a rule always can.
bool CommandEnabled(std::string_view command, const CommandState& state);

} // namespace zol

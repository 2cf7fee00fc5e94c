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
    bool puzzle = false; // a figure is being played as a puzzle
};

CommandState CommandStateOf(const Editor& editor);

// Whether the command whose action is named `command` can run in `state`;
// a command without a rule always can.
bool CommandEnabled(std::string_view command, const CommandState& state);

// Whether the command leaves a puzzle being played as it is. Every other
// command changes the board or the list, and leaves the puzzle first.
bool CommandKeepsPuzzle(std::string_view command);

} // namespace zol

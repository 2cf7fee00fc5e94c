#pragma once
// How the user is editing, apart from what is edited: the row chosen in the
// figure list, how the guide image is drawn, what the board shows and what
// adding a figure does. The window's controls show it and report changes to
// it; the commands read it from here.

#include "model/DrawOptions.h"

namespace zol {

// What adding a figure does while a row is selected.
enum class AddMode { Insert, Replace };

struct ViewState {
    int selectedRow = -1;    // the figure list's selected row; -1: none
    bool antialias = false;  // the guide image is reduced with antialiasing
    // The board shows the table view around the selected row; there is none
    // without a selected row.
    bool tableShown = false;
    bool guideLocked = false; // the guide keeps its figure while the board changes
    AddMode addMode = AddMode::Insert;

    GuideReduction guideReduction() const
    {
        return antialias ? GuideReduction::Antialias : GuideReduction::Stretch;
    }
};

} // namespace zol

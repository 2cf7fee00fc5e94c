#pragma once
// The user settings the editor window works with. The settings file fills one
// of these at start-up and writes it back at shut-down; until then the
// defaults below are in force.

namespace zol {

struct EditorSettings {
    int dcxsmin = 32;     // shake to flip: net travel below which motion is a shake
    int dcxabsmax = 200;  // shake to flip: total travel a shake must exceed
    int flipsens = 8;     // flip sensitivity shown in the option tool bar
    int fssens = 5;       // shake window = flipsens x fssens steps
    int maxundo = 100;    // entries of the undo history, fixed for the run
    int aadown = 1;       // guide image antialiased
    int opttbv = 1;       // option tool bar shown
    double gamma = 2.2;   // gamma of the antialiased guide for black-and-white palettes
};

} // namespace zol

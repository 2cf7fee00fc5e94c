#pragma once
// The pictures of menu items and tool buttons, addressed by index as the
// commands refer to them. Standard commands take the desktop's icon theme
// where it has one; every picture also exists drawn by the program itself,
// so the window looks complete without a theme.

#include <QIcon>

namespace zol {

namespace Image {
inline constexpr int PaletteWB = 0;
inline constexpr int PaletteBW = 1;
inline constexpr int PaletteBrl2 = 2;
inline constexpr int PaletteBrg = 3;
inline constexpr int PaletteBrR = 4;
inline constexpr int PaletteBrl = 5;
inline constexpr int New = 6;
inline constexpr int Open = 7;
inline constexpr int Save = 8;
inline constexpr int Change = 9;
inline constexpr int Delete = 10;
inline constexpr int Up = 11;
inline constexpr int Down = 12;
inline constexpr int GoEdit = 13;
inline constexpr int ShowTable = 14;
inline constexpr int Undo = 15;
inline constexpr int Redo = 16;
inline constexpr int Break = 17;
inline constexpr int OptAA = 18;
inline constexpr int PaletteTB = 19;
inline constexpr int OptEye = 20;
inline constexpr int CSet = 21;
inline constexpr int PaletteCustomize = 24;
inline constexpr int ClipCopy1 = 26;
inline constexpr int ClipCopy2 = 27;
inline constexpr int Help = 31;
inline constexpr int AddInsert = 43;  // add mode: insert before the selected row
inline constexpr int AddReplace = 44; // add mode: replace the selected row
} // namespace Image

// The picture of `index`; a null icon for an index without one.
QIcon ImageListIcon(int index);

} // namespace zol

#pragma once
// Figures rebuilt the ways a user rebuilds them on the board: the whole
// figure turned, mirrored or moved as a group (with the board's own
// rounding), and equal pieces exchanged.

#include "model/TangramModel.h"

#include <string>

namespace zol::test {

// A placement line of the model's set, without offset.
Figure FigureOf(const TangramModel& model, const std::string& placementLine);

// The figure selected whole on the model's board and turned by `turn`
// (1/720 turn), mirrored, or moved, as the board does it.
Figure TurnedOnBoard(const TangramModel& model, const Figure& figure, int turn);
Figure MirroredOnBoard(const TangramModel& model, const Figure& figure);
Figure MovedOnBoard(const TangramModel& model, const Figure& figure, int dx, int dy);

// Pieces i and j (of equal shape) each put where the other lay, at the
// placement whose board polygon comes closest to the other's.
Figure Exchanged(const TangramModel& model, const Figure& figure, int i, int j);

// How many square pixels two pieces of the figure share, sampled at pixel
// centres.
int OverlapPixels(const TangramModel& model, const Figure& figure, int i, int j);

// The longest edge of piece i, in pixels.
double LongestEdge(const TangramModel& model, const Figure& figure, int i);

} // namespace zol::test

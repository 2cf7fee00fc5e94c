#pragma once
// Figures as TikZ code for LaTeX: a tikzpicture per figure with one \filldraw
// path per piece (or one for the silhouette) in centimetres, y pointing up,
// the colours as \definecolor, and the caption as a comment.

#include "export/VectorFigure.h"

#include <string>
#include <vector>

namespace zol {

// Centimetres per board pixel at `scale` 1: a board pixel is one CSS pixel
// (1/96 inch), as in the SVG.
inline constexpr double TikzCentimetresPerPixel = 2.54 / 96;

struct TikzPicture {
    int number = 0; // the list number the comment names, 0 for none
    VectorFigure figure;
};

// One tikzpicture, UTF-8, its lines ended by LF. The board's bottom left
// corner is the origin.
std::string TikzPictureText(const TikzPicture& picture, double scale);

// The pictures one after another; with `standalone` inside a LaTeX document
// that pdflatex compiles with TeX Live's base and pictures packages alone.
std::string TikzFileText(const std::vector<std::string>& pictures, bool standalone);

} // namespace zol

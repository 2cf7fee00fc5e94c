#pragma once
// A figure as an SVG document: each piece a <polygon> in its palette colour,
// or the silhouette as one <path>; the caption as the <title>.

#include "export/VectorFigure.h"

#include <QByteArray>

namespace zol {

// UTF-8 text. The view box is the figure's frame in board pixels; the picture
// is `scale` CSS pixels per board pixel wide and high.
QByteArray SvgDocument(const VectorFigure& figure, double scale);

} // namespace zol

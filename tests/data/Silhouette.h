#pragma once
// What a drawn figure looks like to the user: black pieces on white.

#include <QImage>

namespace zol {
class TangramModel;
}

namespace zol::datacheck {

// The model's current figure drawn by the model itself on a white board.
QImage DrawSilhouette(TangramModel& model);

// White pixels that show a slit or pinhole: those the figure closes in, and
// those pinched between figure pixels on both sides (the tip of a notch
// gives a few, a slit along an edge gives one per pixel of the edge).
int CountSlitPixels(const QImage& silhouette);

} // namespace zol::datacheck

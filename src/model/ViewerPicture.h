#pragma once
// The active viewer's picture: a figure drawn on the board, over the
// background picture when one is shown, and reduced to 128 x 128.

#include "model/ScratchBoard.h"
#include "model/TangramModel.h"

#include <QImage>

namespace zol {

class ViewerCanvas {
public:
    // Takes the document's piece set, palette and zoom; the document itself
    // is never drawn on. The viewer's reduction applies no gamma table.
    // A scale above 1 draws the board that many times larger and reduces it
    // to a picture of 128 x scale.
    explicit ViewerCanvas(const TangramModel& document, int scale = 1);

    // Draws `figure` into the board bitmap, over `background` (stretched to
    // the board when it has another size) unless it is null, and reduces the
    // board into the picture.
    void Draw(const Figure& figure, const QImage* background, bool antialias);

    const QImage& picture() const { return picture_; }
    const QImage& board() const { return board_.picture(); }

private:
    TangramModel drawing_;
    int scale_;
    ScratchBoard board_;
    QImage picture_;
};

} // namespace zol

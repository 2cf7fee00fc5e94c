#pragma once
// The active viewer's picture: a figure drawn on the board, over the
// background picture when one is shown, and reduced to 128 x 128.

#include "model/TangramModel.h"

#include <QImage>

namespace zol {

class ViewerCanvas {
public:
    // Takes the document's piece set, palette and zoom; the document itself
    // is never drawn on. The viewer's reduction applies no gamma table.
    explicit ViewerCanvas(const TangramModel& document);

    // Draws `figure` into the board bitmap, over `background` (a 512 x 512
    // picture) unless it is null, and reduces the board into the picture.
    void Draw(const Figure& figure, const QImage* background, bool antialias);

    const QImage& picture() const { return picture_; }
    const QImage& board() const { return board_; }

private:
    TangramModel drawing_;
    QImage board_{BoardSize, BoardSize, QImage::Format_RGB32};
    QImage picture_{GuideSize, GuideSize, QImage::Format_RGB32};
};

} // namespace zol

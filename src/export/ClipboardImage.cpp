#include "export/ClipboardImage.h"

#include "model/FigureRenderer.h"

namespace zol {

QImage ClipboardImage(const TangramModel& model)
{
    QImage picture(BoardSize, BoardSize, QImage::Format_RGB32);
    FigureRenderer(model).DrawBoardFigure(1.0, picture, Background::Fill);
    return picture;
}

} // namespace zol

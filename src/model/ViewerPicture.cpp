#include "model/ViewerPicture.h"

#include "model/FigureRenderer.h"
#include "model/Reduction.h"

namespace zol {

ViewerCanvas::ViewerCanvas(const TangramModel& document, int scale)
    : drawing_(document), scale_(scale), board_(BoardSize * scale, BoardSize * scale, QImage::Format_RGB32),
      picture_(GuideSize * scale, GuideSize * scale, QImage::Format_RGB32)
{
    // A private copy draws, so that the document's board figure, selection
    // and drawing order stay as the editor left them. Its list is not needed.
    drawing_.SetFigureLines(FileLines{}, document.documentEncoding());
    drawing_.SetGamma(1.0);
    board_.fill(Qt::black);
    picture_.fill(Qt::black);
}

void ViewerCanvas::Draw(const Figure& figure, const QImage* background, bool antialias)
{
    const bool keep = background != nullptr && !background->isNull();
    if (keep)
        board_ = background->size() == board_.size()
                     ? background->convertToFormat(QImage::Format_RGB32)
                     : background->scaled(board_.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation)
                           .convertToFormat(QImage::Format_RGB32);
    FigureRenderer(drawing_).DrawFigure(figure, scale_, board_, keep ? Background::Keep : Background::Fill);
    if (scale_ > 1 && antialias)
        picture_ = board_.scaled(picture_.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                       .convertToFormat(QImage::Format_RGB32); // a box mean over the board's pixels
    else
        ReduceBoard(board_, picture_, antialias, drawing_.gammaTable());
}

} // namespace zol

#include "model/ViewerPicture.h"

#include "model/FigureRenderer.h"

namespace zol {

ViewerCanvas::ViewerCanvas(const TangramModel& document, int scale)
    : drawing_(document), scale_(scale), board_(BoardSize * scale),
      picture_(GuideSize * scale, GuideSize * scale, QImage::Format_RGB32)
{
    // A private copy draws, so that the document's board figure, selection
    // and drawing order stay as the editor left them. Its list is not needed.
    drawing_.SetFigureLines(FileLines{}, document.documentEncoding());
    drawing_.SetGamma(1.0);
    picture_.fill(Qt::black);
}

void ViewerCanvas::Draw(const Figure& figure, const QImage* background, bool antialias)
{
    const FigureRenderer renderer(drawing_);
    const QSize size = board_.picture().size();
    if (background != nullptr && !background->isNull())
        board_.DrawOver(renderer, figure, scale_,
                        background->size() == size
                            ? background->convertToFormat(QImage::Format_RGB32)
                            : background->scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                                  .convertToFormat(QImage::Format_RGB32));
    else
        board_.Draw(renderer, figure, scale_);
    if (scale_ > 1 && antialias)
        picture_ = board_.picture()
                       .scaled(picture_.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                       .convertToFormat(QImage::Format_RGB32); // a box mean over the board's pixels
    else
        board_.Reduce(renderer, picture_, antialias ? GuideReduction::Antialias : GuideReduction::Stretch);
}

} // namespace zol

#include "model/ViewerPicture.h"

#include "model/Reduction.h"

namespace zol {

ViewerCanvas::ViewerCanvas(const TangramModel& document) : drawing_(document)
{
    // A private copy draws, so that the document's board figure, selection
    // and drawing order stay as the editor left them. Its list is not needed.
    drawing_.SetFigureLines({}, document.documentEncoding());
    drawing_.SetGamma(1.0);
    board_.fill(Qt::black);
    picture_.fill(Qt::black);
}

void ViewerCanvas::Draw(const Figure& figure, const QImage* background, bool antialias)
{
    drawing_.SetCurrentFigure(figure);
    const bool keep = background != nullptr && !background->isNull();
    if (keep)
        board_ = background->convertToFormat(QImage::Format_RGB32);
    drawing_.DrawFigure(-1, 1.0, board_, keep);
    ReduceBoard(board_, picture_, antialias, drawing_.gammaTable());
}

} // namespace zol

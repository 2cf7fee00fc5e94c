#include "export/ExportDrawing.h"

#include "model/FigureRenderer.h"
#include "model/TangramModel.h"

namespace zol {

namespace {

// Loads a list figure onto the model's board for the guard's lifetime.
class ParkedBoardFigure {
public:
    ParkedBoardFigure(TangramModel& model, int index) : model_(model), parked_(model.GetCurrentFigure())
    {
        model_.LoadFigure(index);
    }
    ~ParkedBoardFigure() { model_.SetCurrentFigure(parked_); }
    ParkedBoardFigure(const ParkedBoardFigure&) = delete;
    ParkedBoardFigure& operator=(const ParkedBoardFigure&) = delete;

private:
    TangramModel& model_;
    Figure parked_;
};

} // namespace

void RenderListFigure(TangramModel& model, int index, QImage& board, QImage& reduced, bool antialias)
{
    // The board is filled before the pieces go down, so the reduction reads
    // only where they went.
    const FigureRenderer renderer(model);
    const QRect drawn = renderer.DrawFigure(model.ParseFigure(index), 1.0, board, Background::Fill);
    renderer.ReduceBoard(board, reduced, antialias ? GuideReduction::Antialias : GuideReduction::Stretch, drawn);
}

Rect ListFigureBounds(TangramModel& model, int index)
{
    ParkedBoardFigure parked(model, index);
    return model.FigureBounds(0.25);
}

QImage BoardPicture(TangramModel& model)
{
    QImage picture(BoardSize, BoardSize, QImage::Format_RGB32);
    FigureRenderer(model).DrawBoardFigure(1.0, picture, Background::Fill);
    return picture;
}

uint32_t BackgroundPixel(const TangramModel& model)
{
    const uint32_t c = model.drawnBackground();
    QImage pixel(1, 1, QImage::Format_RGB32);
    pixel.fill(QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF));
    return pixel.pixel(0, 0) & 0xFFFFFFu;
}

} // namespace zol

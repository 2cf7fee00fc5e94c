#include "ExportFixtures.h"

#include "io/TextCodec.h"

#include <gtest/gtest.h>

#include <optional>

namespace zol::test {

void FillDocument(TangramModel& model, const QStringList& captions, const std::vector<int>& shifts)
{
    model.ClearFigureList();
    model.SetPalette(0x000000, 255, 0, 255, 0, 0, 0);
    for (int i = 0; i < captions.size(); ++i) {
        Figure f = model.startFigure();
        const int shift = shifts.empty() ? 12 * i : shifts[i];
        for (int p = 0; p < model.pieceCount(); ++p)
            f.x[p] += shift;
        const std::optional<std::string> caption = EncodeText(captions[i], model.documentEncoding());
        if (!caption) {
            ADD_FAILURE() << "the document's encoding cannot hold the caption " << captions[i].toStdString();
            return;
        }
        f.caption = *caption;
        model.SetCurrentFigure(f);
        model.StoreFigure(-1);
    }
    model.setModified(false);
    model.SetCurrentFigure(model.startFigure());
}

QStringList Captions(const TangramModel& model)
{
    QStringList out;
    for (int i = 0; i < model.figureCount(); ++i)
        out << DecodeText(model.GetFigureCaption(i), model.documentEncoding());
    return out;
}

} // namespace zol::test

#include "LongDocument.h"

#include "io/DocumentFile.h"
#include "io/TextCodec.h"
#include "model/TangramModel.h"

#include <random>

namespace zol::bench {

void WriteLongDocument(const QString& path, int figures)
{
    TangramModel model;
    std::mt19937 random(1);
    for (int i = 0; i < figures; ++i) {
        Figure f = model.startFigure();
        for (int p = 0; p < model.pieceCount(); ++p) {
            f.x[p] += static_cast<int>(random() % 200) - 100;
            f.y[p] += static_cast<int>(random() % 200) - 100;
            f.angle[p] = static_cast<int>(random() % 720);
        }
        model.SetCurrentFigure(f);
        model.SetFigureCaption(-1, *EncodeText(QStringLiteral("三角の家 %1").arg(i), TextEncoding::Cp932));
        model.StoreFigure(-1);
    }
    SaveDocument(model, path);
}

} // namespace zol::bench

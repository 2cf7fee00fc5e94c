#include "GtansFigures.h"

#include "io/GtansFile.h"
#include "model/GtansFit.h"
#include "model/TangramModel.h"

#include <QDir>

namespace zol::bench {

std::vector<Figure> GtansFigures(const TangramModel& model)
{
    const QDir folder(QStringLiteral("/usr/share/games/gtans/figures"));
    std::vector<Figure> figures;
    for (const QString& file : folder.entryList({QStringLiteral("*.figures")}, QDir::Files, QDir::Name))
        for (const GtansFigure& gtans : ReadGtansFile(folder.filePath(file)))
            figures.push_back(FigureFromGtans(model, gtans).figure);
    return figures;
}

std::vector<Figure> OnAngleGrid(const TangramModel& model, const std::vector<Figure>& figures)
{
    std::vector<Figure> onGrid;
    for (const Figure& figure : figures) {
        bool grid = true;
        for (int i = 0; i < model.pieceCount(); ++i)
            grid = grid && figure.angle[i] % model.pieceSet().angleStep == 0;
        if (grid)
            onGrid.push_back(figure);
    }
    return onGrid;
}

} // namespace zol::bench

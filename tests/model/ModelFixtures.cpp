#include "ModelFixtures.h"

#include <gtest/gtest.h>

namespace zol::test {

std::vector<std::string> SetLines(const std::vector<std::string>& pieceLines, const std::string& placementLine,
                                  const std::string& angleStep)
{
    std::vector<std::string> lines = {"test", std::to_string(pieceLines.size())};
    lines.insert(lines.end(), pieceLines.begin(), pieceLines.end());
    lines.push_back(placementLine);
    lines.push_back("test set");
    lines.push_back(angleStep);
    return lines;
}

void InstallPieces(TangramModel& model, const std::vector<std::string>& pieceLines, const std::string& placementLine,
                   const std::string& angleStep)
{
    model.InstallSetLines(SetLines(pieceLines, placementLine, angleStep), TextEncoding::Cp932);
    model.ClearFigureList();
}

void Place(TangramModel& model, int i, int x, int y, int angle, double flip)
{
    Figure figure = model.currentFigure();
    figure.setPlacement(i, {x, y, angle, flip});
    model.SetCurrentFigure(figure);
}

void PlaceStartFigure(TangramModel& model) { model.SetCurrentFigure(model.startFigure()); }

std::vector<Point> Polygon(const TangramModel& model, int i)
{
    const Point* p = model.boardPolygon(i);
    return {p, p + model.polygonSize(i)};
}

QImage Bitmap(int size)
{
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(QColor(1, 2, 3));
    return image;
}

QRgb ToRgb(ColorRef colour) { return qRgb(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF); }

void ExpectPolygonsMatchPlacements(const TangramModel& model)
{
    TangramModel fresh;
    fresh.InstallSetLines(model.setLines(), model.setEncoding());
    fresh.SetCurrentFigure(model.currentFigure());
    for (int i = 0; i < model.pieceCount(); ++i)
        EXPECT_EQ(Polygon(model, i), Polygon(fresh, i)) << "board polygon " << i;
}

ModelState Capture(const TangramModel& model)
{
    ModelState state{model.setLines(),  model.pieceSet().name, model.pieceCount(),   model.pieceSet().angleStep,
                     model.startFigure(), model.currentFigure(), model.figureLines(), model.figureCount(),
                     model.modified(),  model.drawOrder(),      model.selection(),    {}};
    for (int i = 0; i < model.pieceCount(); ++i)
        state.polygons.push_back(Polygon(model, i));
    return state;
}

void UseWhiteOnBlack(TangramModel& model) { model.SetPalette(0x000000, 0, 0, 255, 0, 0, 0); }

} // namespace zol::test

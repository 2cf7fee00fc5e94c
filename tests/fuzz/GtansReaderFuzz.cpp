// The gTans reader: any bytes read or are refused with a line number; what
// reads imports within the board's bounds, and writes into a file that reads
// back as the same figures.
#include "FuzzSupport.h"

#include "io/GtansFile.h"
#include "model/CommaList.h"
#include "model/GtansFit.h"
#include "model/TangramModel.h"

#include <cmath>

using namespace zol;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    GtansCollection figures;
    try {
        figures = ParseGtans(std::string(reinterpret_cast<const char*>(data), size));
    } catch (const ConversionError& e) {
        fuzz::Require(std::string(e.what()).rfind("line ", 0) == 0, "a refusal names its line");
        return 0;
    }
    const GtansCollection back = ParseGtans(FormatGtans(figures));
    fuzz::Require(back.size() == figures.size(), "a written collection reads back whole");
    for (size_t k = 0; k < figures.size(); ++k)
        for (size_t i = 0; i < figures[k].pieces.size(); ++i) {
            const GtansPiece& a = figures[k].pieces[i];
            const GtansPiece& b = back[k].pieces[i];
            fuzz::Require(a.type == b.type && a.flip == b.flip && a.rotation == b.rotation,
                          "a written piece reads back the same");
            fuzz::Require(std::abs(a.x - b.x) <= 1e-5 * std::max(1.0, std::abs(a.x)) &&
                              std::abs(a.y - b.y) <= 1e-5 * std::max(1.0, std::abs(a.y)),
                          "a written position reads back within its digits");
        }
    const TangramModel model;
    for (const GtansFigure& figure : figures) {
        const GtansImport imported = FigureFromGtans(model, figure);
        fuzz::Require(std::isfinite(imported.worstError), "every figure fits");
        for (int i = 0; i < model.pieceCount(); ++i)
            fuzz::Require(std::abs(imported.figure.x[i]) < CoordinateLimit && std::abs(imported.figure.y[i]) < CoordinateLimit,
                          "imported placements stay within the coordinate bound");
    }
    return 0;
}

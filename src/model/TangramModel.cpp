#include "model/TangramModel.h"

#include "model/Message.h"
#include "model/PlacementLine.h"
#include "model/Random.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace zol {

TangramModel::TangramModel()
{
    zoomPercent_ = 100;
    SetGamma(1.0);
    LoadBuiltInSet();
    ClearFigureList();
    SetPalette(0x000000, 255, 255, 255, 0, 0, 0);
}

void TangramModel::checkIndex(int i) const
{
    if (i < 0 || i >= figureCount_)
        throw ListIndexError(i);
}

void TangramModel::checkInsertIndex(int i) const
{
    if (i > figureCount_)
        throw ListIndexError(i);
}

bool TangramModel::hasDocumentFile() const
{
    return documentPath_ != LiteralText(ModelText::NewFile, TextEncoding::Utf8);
}

void TangramModel::ResetFigure()
{
    start_.caption = LiteralText(ModelText::Untitled, documentEncoding_);
    current_ = start_;
    for (int i = 0; i < set_.pieceCount; ++i) {
        const int sx = start_.x[i];
        const int sy = start_.y[i];
        // Kept within the bound a document's placement line may hold, so the
        // scattered figure of a far-flung set can be saved and reopened.
        current_.x[i] = std::clamp(sx + NextRandom() % 16 + (sx - 256) / 4 - 8, -CoordinateLimit, CoordinateLimit);
        current_.y[i] = std::clamp(sy + NextRandom() % 16 + (sy - 256) / 4 - 8, -CoordinateLimit, CoordinateLimit);
    }
    ClearSelection();
    UpdatePolygons();
    for (int i = 0; i < set_.pieceCount; ++i)
        groupFlags_[i] = true;
}

Figure TangramModel::ParseFigure(int i) const
{
    if (i < 0)
        return current_;
    checkIndex(i);
    Figure figure = ParsePlacementLine(lines_[2 * i + 2], set_.pieceCount, 0);
    figure.caption = lines_[2 * i + 1];
    return figure;
}

void TangramModel::LoadFigure(int i)
{
    current_ = ParseFigure(i);
    ClearSelection();
    UpdatePolygons();
}

void TangramModel::SetCurrentFigure(const Figure& figure)
{
    current_ = figure;
    ClearSelection();
    UpdatePolygons();
}

void TangramModel::SetFigureCaption(int i, const std::string& text)
{
    if (i < 0) {
        current_.caption = text;
        return;
    }
    checkIndex(i);
    lines_.Set(2 * static_cast<size_t>(i) + 1, text);
}

std::string TangramModel::GetFigureCaption(int i) const { return std::string(FigureCaption(i)); }

std::string_view TangramModel::FigureCaption(int i) const
{
    if (i < 0)
        return current_.caption;
    checkIndex(i);
    return lines_[2 * static_cast<size_t>(i) + 1];
}

std::string TangramModel::FormatPlacementLine(const Figure& figure) const
{
    std::vector<int> values;
    values.reserve(4 * set_.pieceCount);
    for (int i = 0; i < set_.pieceCount; ++i) {
        values.push_back(figure.x[i]);
        values.push_back(figure.y[i]);
        values.push_back(figure.angle[i]);
        values.push_back(static_cast<int>(figure.flip[i]));
    }
    return FormatCommaList(values);
}

bool TangramModel::RewritePlacementLine(int i)
{
    checkIndex(i);
    std::string line;
    try {
        line = FormatPlacementLine(ParseFigure(i));
    } catch (const ConversionError&) {
        return false;
    }
    const size_t at = 2 * static_cast<size_t>(i) + 2;
    if (lines_[at] == line)
        return false;
    lines_.Set(at, line);
    return true;
}

void TangramModel::StoreFigure(int i)
{
    checkInsertIndex(i);
    const std::string placement = FormatPlacementLine();
    // Appended figures go before an unpaired last caption, which stays last.
    const size_t at = 2 * static_cast<size_t>(i >= 0 ? i : figureCount_) + 1;
    lines_.Insert(at, {current_.caption, placement});
    ++figureCount_;
    modified_ = true;
}

void TangramModel::RemoveFigure(int i)
{
    checkIndex(i);
    lines_.Erase(2 * static_cast<size_t>(i) + 1, 2 * static_cast<size_t>(i) + 3);
    --figureCount_;
    modified_ = true;
}

void TangramModel::MoveFigure(int from, int to)
{
    checkIndex(from);
    checkIndex(to);
    if (from == to)
        return;
    // A figure is its caption line and its placement line.
    const size_t a = 2 * static_cast<size_t>(from) + 1;
    const size_t b = 2 * static_cast<size_t>(to) + 1;
    if (from < to)
        lines_.Rotate(a, a + 2, b + 2);
    else
        lines_.Rotate(b, a, a + 2);
    modified_ = true;
}

void TangramModel::SwapFigures(int i, int j)
{
    checkIndex(i);
    checkIndex(j);
    lines_.Swap(2 * static_cast<size_t>(i) + 1, 2 * static_cast<size_t>(j) + 1);
    lines_.Swap(2 * static_cast<size_t>(i) + 2, 2 * static_cast<size_t>(j) + 2);
    modified_ = true;
}

void TangramModel::ClearFigureList()
{
    lines_ = FileLines{set_.name};
    figureCount_ = 0;
    documentPath_ = LiteralText(ModelText::NewFile, TextEncoding::Utf8);
    documentEncoding_ = TextEncoding::Cp932;
    documentBom_ = false;
    modified_ = false;
    ResetFigure();
}

void TangramModel::SetFigureLines(FileLines lines, TextEncoding encoding)
{
    if (lines.empty())
        lines.PushBack(set_.name);
    lines_ = std::move(lines);
    documentEncoding_ = encoding;
    // An odd trailing caption without its placement line is no figure, but
    // it stays among the lines and is saved back with them.
    figureCount_ = static_cast<int>((lines_.size() - 1) / 2);
}

void TangramModel::SetFigureLines(const std::vector<std::string>& lines, TextEncoding encoding)
{
    SetFigureLines(FileLines(lines), encoding);
}

} // namespace zol

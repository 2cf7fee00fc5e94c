#include "model/CommaList.h"
#include "model/PlacementLine.h"
#include "model/TangramModel.h"

#include <algorithm>
#include <array>

namespace zol {

namespace {

[[noreturn]] [[gnu::cold]] void FailBound(int value, MessageId outOfRange)
{
    throw ConversionError(Message{outOfRange, {std::to_string(value)}});
}

inline void CheckBound(int value, MessageId outOfRange)
{
    if (value < -CoordinateLimit || value > CoordinateLimit) [[unlikely]]
        FailBound(value, outOfRange);
}

PieceShape ParsePieceLine(const std::string& line)
{
    const std::vector<int> v = ParseCommaList(line);
    PieceShape shape;
    shape.vertexCount = v[0];
    if (shape.vertexCount < 1 || shape.vertexCount > MaxVertices)
        throw ConversionError(Message{MessageId::VertexCount, {std::to_string(v[0])}});
    if (v.size() < 3 + 2 * static_cast<size_t>(shape.vertexCount))
        throw ConversionError(Message{MessageId::PieceLineTooShort, {}});
    shape.pivotX = v[1];
    shape.pivotY = v[2];
    CheckBound(shape.pivotX, MessageId::PivotOutOfRange);
    CheckBound(shape.pivotY, MessageId::PivotOutOfRange);
    for (int j = 0; j < shape.vertexCount; ++j) {
        shape.x[j] = v[3 + 2 * j];
        shape.y[j] = v[4 + 2 * j];
        CheckBound(shape.x[j], MessageId::VertexOutOfRange);
        CheckBound(shape.y[j], MessageId::VertexOutOfRange);
    }
    return shape;
}

const std::string& LineAt(const std::vector<std::string>& lines, size_t i)
{
    if (i >= lines.size())
        throw ConversionError(Message{MessageId::SetEndsEarly, {std::to_string(lines.size())}});
    return lines[i];
}

} // namespace

Figure PlacementsFromValues(std::span<const int> values, int pieceCount, int offset)
{
    if (values.size() < 4 * static_cast<size_t>(pieceCount))
        throw ConversionError(
            Message{MessageId::PlacementCount, {std::to_string(values.size()), std::to_string(4 * pieceCount)}});
    Figure figure;
    for (int i = 0; i < pieceCount; ++i) {
        // The bound holds for the values the figure gets, so that whatever the
        // board shows saves into a line that loads again.
        CheckBound(values[4 * i], MessageId::PlacementOutOfRange);
        CheckBound(values[4 * i + 1], MessageId::PlacementOutOfRange);
        CheckBound(values[4 * i] + offset, MessageId::PlacementOutOfRange);
        CheckBound(values[4 * i + 1] + offset, MessageId::PlacementOutOfRange);
        CheckBound(values[4 * i + 2], MessageId::PlacementOutOfRange);
        // Any other flip would squash or stretch the piece instead of mirroring it.
        if (values[4 * i + 3] != 1 && values[4 * i + 3] != -1)
            throw ConversionError(Message{MessageId::FlipValue, {}});
        figure.x[i] = values[4 * i] + offset;
        figure.y[i] = values[4 * i + 1] + offset;
        figure.angle[i] = values[4 * i + 2];
        figure.flip[i] = values[4 * i + 3];
    }
    return figure;
}

Figure ParsePlacementLine(std::string_view line, int pieceCount, int offset)
{
    // Every field is read before any is checked, as for a parsed list; the
    // numbers beyond the pieces' are read only for their errors. Only the
    // numbers read are used, so the room for them is left as it comes.
    std::array<int, 4 * MaxPieces> values;
    // A piece count beyond the figure's room fails as too few numbers.
    const size_t needed = 4 * static_cast<size_t>(std::clamp(pieceCount, 0, MaxPieces));
    size_t count = 0;
    if (!ReadPlainCommaList(line, std::span<int>(values.data(), needed), count)) {
        CommaListReader reader(line);
        for (int value = 0; reader.Next(value);) {
            if (reader.count() <= needed)
                values[reader.count() - 1] = value;
        }
        count = reader.count();
    }
    return PlacementsFromValues(std::span<const int>(values.data(), std::min(count, needed)), pieceCount, offset);
}

void TangramModel::LoadBuiltInSet()
{
    static const std::vector<std::string> builtIn = {
        BuiltInSetKey,
        "7",
        "3,28,28,0,0,0,80,80,0",
        "3,40,14,0,0,40,40,80,0",
        "4,40,40,40,0,0,40,40,80,80,40",
        "3,14,40,0,0,0,80,40,40",
        "4,20,60,0,40,0,120,40,80,40,0",
        "3,56,80,0,80,80,160,80,0",
        "3,80,56,80,0,0,80,160,80",
        "28,28,0,1,120,14,0,1,80,40,0,1,54,80,0,1,20,100,0,1,132,80,0,1,80,132,0,1",
        LiteralText(ModelText::BuiltInSetName, TextEncoding::Cp932),
        "90",
    };
    InstallSetLines(builtIn, TextEncoding::Cp932);
}

void TangramModel::InstallSetLines(const std::vector<std::string>& lines, TextEncoding encoding)
{
    PieceSet set;
    set.name = LineAt(lines, 0);
    set.pieceCount = ParseInteger(LineAt(lines, 1));
    const int n = set.pieceCount;
    if (n < 1 || n > MaxPieces)
        throw ConversionError(Message{MessageId::PieceCount, {std::to_string(n)}});
    for (int i = 0; i < n; ++i)
        set.shapes[i] = ParsePieceLine(LineAt(lines, 2 + i));
    Figure start = ParsePlacementLine(LineAt(lines, n + 2), n, StartOffset);
    set.displayName = LineAt(lines, n + 3);
    set.angleStep = ParseInteger(LineAt(lines, n + 4));
    if (set.angleStep < 1 || set.angleStep > CoordinateLimit)
        throw ConversionError(
            Message{MessageId::AngleStep, {std::to_string(set.angleStep), std::to_string(CoordinateLimit)}});

    setLines_ = lines;
    setEncoding_ = encoding;
    InstallSet(set, start);
}

void TangramModel::InstallSet(const PieceSet& set, const Figure& start)
{
    set_ = set;
    start_ = start;
    start_.caption = LiteralText(ModelText::Untitled, documentEncoding_);
    for (int i = 0; i < set_.pieceCount; ++i)
        drawOrder_[i] = set_.pieceCount - 1 - i;
    for (int i = set_.pieceCount; i < MaxPieces; ++i) {
        drawOrder_[i] = i;
        groupFlags_[i] = false;
    }
    // The board figure must stay drawable with the new shapes until the caller
    // clears the list or loads a document.
    current_ = start_;
    ClearSelection();
    UpdatePolygons();
}

} // namespace zol

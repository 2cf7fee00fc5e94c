#include "io/GtansFile.h"

#include "io/LineFile.h"
#include "model/CommaList.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace zol {

namespace {

// Far beyond any play area, and small enough for every pixel computation.
constexpr double PositionLimit = 1000.0;

std::vector<std::string_view> Words(std::string_view line)
{
    std::vector<std::string_view> words;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r'))
            ++i;
        const size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r')
            ++i;
        if (i > start)
            words.push_back(line.substr(start, i - start));
    }
    return words;
}

std::optional<double> Real(std::string_view word)
{
    if (!word.empty() && word.front() == '+')
        word.remove_prefix(1);
    double value = 0;
    const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (ec != std::errc() || end != word.data() + word.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<int64_t> Whole(std::string_view word)
{
    if (!word.empty() && word.front() == '+')
        word.remove_prefix(1);
    int64_t value = 0;
    const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (ec != std::errc() || end != word.data() + word.size())
        return std::nullopt;
    return value;
}

[[noreturn]] void Fail(MessageId id, int line, std::vector<std::string> more = {})
{
    more.insert(more.begin(), std::to_string(line));
    throw ConversionError(Message{id, std::move(more)});
}

// The lines of the text with their numbers, blank ones left out.
class LineReader {
public:
    explicit LineReader(std::string_view bytes) : text_(bytes) {}

    // The next line that holds anything, or nullopt at the end.
    std::optional<std::string_view> next()
    {
        while (pos_ < text_.size()) {
            const size_t end = std::min(text_.find('\n', pos_), text_.size());
            const std::string_view line = text_.substr(pos_, end - pos_);
            pos_ = end + 1;
            ++number_;
            if (!Words(line).empty())
                return line;
        }
        number_ = lastNumber();
        return std::nullopt;
    }
    int number() const { return number_; }

private:
    int lastNumber() const { return std::max(number_, 1); }
    std::string_view text_;
    size_t pos_ = 0;
    int number_ = 0;
};

// Digits, perhaps after a plus sign.
bool IsCount(std::string_view word)
{
    if (!word.empty() && word.front() == '+')
        word.remove_prefix(1);
    return !word.empty() && std::all_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; });
}

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

int ReadHeader(LineReader& lines)
{
    const std::optional<std::string_view> line = lines.next();
    if (line && line->substr(0, ByteOrderMark.size()) == ByteOrderMark)
        Fail(MessageId::GtansByteOrderMark, lines.number());
    const std::vector<std::string_view> words = line ? Words(*line) : std::vector<std::string_view>{};
    if (words.size() != 3 || words[0] != "gTans" || words[1] != "v1.0" || !IsCount(words[2]))
        Fail(MessageId::GtansHeader, lines.number());
    const std::optional<int64_t> count = Whole(words[2]);
    if (!count || *count > GtansMaxFigures) // beyond any integer is beyond the limit too
        Fail(MessageId::GtansCountLimit, lines.number(), {std::string(words[2]), std::to_string(GtansMaxFigures)});
    return int(*count);
}

// The first line, checked on the first bytes of a longer file. A header cut
// at their end, or not yet begun (blank lines), is left to the full reading;
// a first line longer than them is no header.
void CheckHeader(std::string_view start)
{
    const size_t end = start.rfind('\n');
    if (end == std::string_view::npos)
        Fail(MessageId::GtansHeader, 1);
    const std::string_view lines = start.substr(0, end);
    if (lines.find_first_not_of(" \t\r\n") == std::string_view::npos)
        return;
    LineReader reader(lines);
    ReadHeader(reader);
}

GtansPiece ReadPiece(std::string_view line, int number)
{
    const std::vector<std::string_view> words = Words(line);
    if (words.size() != 6 || words[0] != "p")
        Fail(MessageId::GtansPieceLine, number);
    const std::optional<int64_t> type = Whole(words[1]);
    const std::optional<int64_t> flip = Whole(words[2]);
    const std::optional<double> x = Real(words[3]);
    const std::optional<double> y = Real(words[4]);
    const std::optional<int64_t> rotation = Whole(words[5]);
    if (!type || !flip || !x || !y || !rotation)
        Fail(MessageId::GtansPieceLine, number);
    if (*type < 0 || *type >= GtansPieceTypeCount || (*flip != 0 && *flip != 1) || std::abs(*x) > PositionLimit ||
        std::abs(*y) > PositionLimit)
        Fail(MessageId::GtansPieceValue, number);
    return {int(*type), int(*flip), *x, *y, int(((*rotation % GtansTurn) + GtansTurn) % GtansTurn)};
}

bool HasTangramPieces(const GtansFigure& figure)
{
    constexpr std::array<int, GtansPieceTypeCount> needed = {2, 1, 1, 1, 2};
    std::array<int, GtansPieceTypeCount> count{};
    for (const GtansPiece& piece : figure.pieces)
        ++count[piece.type];
    return count == needed;
}

GtansFigure ReadFigure(LineReader& lines, std::string_view first)
{
    const int start = lines.number();
    const std::vector<std::string_view> words = Words(first);
    const std::optional<double> lead1 = words.size() == 3 ? Real(words[0]) : std::nullopt;
    const std::optional<double> lead2 = words.size() == 3 ? Real(words[1]) : std::nullopt;
    const std::optional<int64_t> lead3 = words.size() == 3 ? Whole(words[2]) : std::nullopt;
    if (!lead1 || !lead2 || !lead3 || *lead3 < INT32_MIN || *lead3 > INT32_MAX)
        Fail(MessageId::GtansFigureLine, start);
    GtansFigure figure{*lead1, *lead2, int(*lead3), {}};
    while (figure.pieces.size() < GtansFigurePieces) {
        const std::optional<std::string_view> line = lines.next();
        if (!line)
            Fail(MessageId::GtansPieceLine, lines.number());
        figure.pieces.push_back(ReadPiece(*line, lines.number()));
    }
    if (!HasTangramPieces(figure))
        Fail(MessageId::GtansPieceKinds, start);
    return figure;
}

void AppendNumber(std::string& out, double value)
{
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::scientific, 6);
    out.append(buffer.data(), result.ptr);
}

std::string Header(size_t count) { return "gTans v1.0 " + std::to_string(count) + "\n"; }

void AppendFigure(std::string& out, const GtansFigure& figure)
{
    AppendNumber(out, figure.lead1);
    out += ' ';
    AppendNumber(out, figure.lead2);
    out += ' ' + std::to_string(figure.lead3) + " \n";
    for (const GtansPiece& piece : figure.pieces) {
        out += "p " + std::to_string(piece.type) + ' ' + std::to_string(piece.flip) + ' ';
        AppendNumber(out, piece.x);
        out += ' ';
        AppendNumber(out, piece.y);
        out += ' ' + std::to_string(piece.rotation) + " \n";
    }
    out += '\n';
}

// The header line is far shorter; what is read of a longer one is enough to
// see it is no header.
constexpr size_t HeaderBytes = 4096;

// Refuses a count over the limit before the writer's file is made.
int CheckedCount(int count)
{
    if (const std::optional<Message> refusal = GtansCountRefusal(count))
        throw ConversionError(*refusal);
    return count;
}

} // namespace

std::optional<Message> GtansCountRefusal(int count)
{
    if (count <= GtansMaxFigures)
        return std::nullopt;
    return Message{MessageId::GtansTooLarge, {std::to_string(count), std::to_string(GtansMaxFigures)}};
}

GtansCollection ParseGtans(const std::string& bytes)
{
    LineReader lines(bytes);
    const int announced = ReadHeader(lines);
    GtansCollection figures;
    while (const std::optional<std::string_view> line = lines.next()) {
        if (int(figures.size()) == announced)
            Fail(MessageId::GtansTooMany, lines.number(), {std::to_string(announced)});
        figures.push_back(ReadFigure(lines, *line));
    }
    if (int(figures.size()) < announced)
        Fail(MessageId::GtansEndsEarly, lines.number(),
             {std::to_string(figures.size()), std::to_string(announced)});
    return figures;
}

std::string FormatGtans(const GtansCollection& figures)
{
    std::string out = Header(figures.size());
    for (const GtansFigure& figure : figures)
        AppendFigure(out, figure);
    return out;
}

GtansCollection ReadGtansFile(const QString& path)
{
    const std::string start = ReadFileStart(path, HeaderBytes);
    if (start.size() < HeaderBytes)
        return ParseGtans(start); // the whole file
    CheckHeader(start);
    return ParseGtans(ReadFileBytes(path));
}

GtansWriter::GtansWriter(const QString& path, int count) : file_((CheckedCount(count), path)), count_(count)
{
    file_.Write(Header(size_t(count)));
}

void GtansWriter::Add(const GtansFigure& figure)
{
    if (added_ == count_)
        throw std::logic_error("more gTans figures than announced");
    std::string text;
    AppendFigure(text, figure);
    file_.Write(text);
    ++added_;
}

void GtansWriter::Commit()
{
    if (added_ != count_)
        throw std::logic_error("fewer gTans figures than announced");
    file_.Commit();
}

} // namespace zol

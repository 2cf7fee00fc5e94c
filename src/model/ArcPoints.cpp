#include "model/ArcPoints.h"

#include "model/Rotation.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <limits>

namespace zol {

namespace {

bool FitsInt32(int64_t v)
{
    return v >= std::numeric_limits<int32_t>::min() && v <= std::numeric_limits<int32_t>::max();
}

// The angle of point i in half degrees. The fraction and the mixed angle are
// rounded to 32-bit floats (with the arithmetic in between done in extended
// precision), and the angle truncates toward zero: this reproduces the exact
// points the calculator has always given.
int64_t HalfDegreesAt(int64_t i, int64_t count, int start, int end)
{
    const float f = static_cast<float>(static_cast<long double>(i) / static_cast<long double>(count - 1));
    const long double mixed = static_cast<long double>(int64_t{start} * 2) * (1.0L - f) +
                              static_cast<long double>(int64_t{end} * 2) * f;
    return static_cast<int64_t>(static_cast<float>(mixed));
}

} // namespace

std::optional<int> ParseArcField(std::string_view text)
{
    const bool negative = !text.empty() && text.front() == '-';
    const std::string_view digits = text.substr(negative ? 1 : 0);
    if (digits.empty())
        return std::nullopt;
    for (const char c : digits)
        if (c < '0' || c > '9')
            return std::nullopt;
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt; // beyond 32 bits
    return value;
}

ArcPoints ComputeArcPoints(const ArcFields& fields)
{
    // Read in the order the calculator always checked them.
    std::array<int, 7> v{};
    const std::array<const std::string*, 7> texts = {&fields.start,   &fields.end,     &fields.count,
                                                      &fields.centreX, &fields.centreY, &fields.vectorX,
                                                      &fields.vectorY};
    for (size_t k = 0; k < texts.size(); ++k) {
        const std::optional<int> value = ParseArcField(*texts[k]);
        if (!value)
            return {{}, ArcRefusal::NotANumber};
        v[k] = *value;
    }
    const auto [start, end, n, cx, cy, vx, vy] = v;

    const int64_t magnitude = n < 0 ? -int64_t{n} : int64_t{n};
    const int64_t count = magnitude < 2 ? 2 : magnitude;
    if (count > MaxArcPoints)
        return {{}, ArcRefusal::TooManyPoints};

    std::string text;
    for (int64_t i = 0; i < count; ++i) {
        const Point64 r = Roll(vx, vy, HalfDegreesAt(i, count, start, end));
        const int64_t x = cx + r.x;
        const int64_t y = cy + r.y;
        if (!FitsInt32(x) || !FitsInt32(y))
            return {{}, ArcRefusal::BeyondRange};
        text += std::to_string(x) + "," + std::to_string(y) + ", ";
    }
    return {std::move(text), ArcRefusal::None};
}

std::optional<std::string> ArcPointsText(const ArcFields& fields)
{
    ArcPoints points = ComputeArcPoints(fields);
    if (points.refusal != ArcRefusal::None)
        return std::nullopt;
    return std::move(points.text);
}

} // namespace zol

#pragma once
// The arc calculator's computation: evenly spaced points on a circular arc,
// a base vector turned from a start angle to an end angle around a centre,
// listed as text.

#include <optional>
#include <string>
#include <string_view>

namespace zol {

// The calculator's fields as typed.
struct ArcFields {
    std::string count;  // number of points; |n| below 2 counts as 2
    std::string start;  // start angle in degrees
    std::string end;    // end angle in degrees
    std::string centreX, centreY;
    std::string vectorX, vectorY;
};

// More points are refused: the text would run into megabytes and the
// calculator recomputes on every key.
inline constexpr int MaxArcPoints = 10000;
// The longest text of one point: "-2147483648,-2147483648, ".
inline constexpr int MaxArcPointLength = 25;

// Why there is no result text.
enum class ArcRefusal {
    None,
    NotANumber,    // a field is not a plain decimal integer of 32 bits
    TooManyPoints, // more than MaxArcPoints
    BeyondRange,   // a coordinate does not fit in 32 bits
};

struct ArcPoints {
    std::string text; // when refusal is None
    ArcRefusal refusal = ArcRefusal::None;
};

// A plain decimal integer: digits, optionally after one "-", within 32 bits.
// Anything else ("", "-", "+1", " 1", "1e3", "3000000000") gives nothing.
std::optional<int> ParseArcField(std::string_view text);

// "x,y, " for each point, the last one included: "160,80, 160,81, ", or
// why there is none.
ArcPoints ComputeArcPoints(const ArcFields& fields);
// The text alone; nothing whatever the refusal.
std::optional<std::string> ArcPointsText(const ArcFields& fields);

} // namespace zol

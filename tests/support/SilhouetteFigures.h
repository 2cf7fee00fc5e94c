#pragma once
// Figures the silhouette tests share: placement lines of the built-in set,
// and a small set on a right-angle grid.

#include <string>
#include <vector>

namespace zol::test {

// The seven pieces as the classic square, 176..336.
inline constexpr const char* ClassicSquare =
    "204,204,0,1,296,190,0,1,256,216,0,1,230,256,0,1,196,276,0,1,312,256,0,1,256,312,0,1";
// The same square 40 pixels to the right.
inline constexpr const char* MovedSquare =
    "244,204,0,1,336,190,0,1,296,216,0,1,270,256,0,1,236,276,0,1,352,256,0,1,296,312,0,1";
// The square with a small triangle moved from its top edge onto the lower
// half of the square piece, leaving a notch.
inline constexpr const char* NotchedSquare =
    "204,204,0,1,256,230,0,1,256,216,0,1,230,256,0,1,196,276,0,1,312,256,0,1,256,312,0,1";
// gTans figures on the 45-degree grid: one with a hole, and the one whose
// group turns about a few centres rounded farthest from it.
inline constexpr const char* WithHole =
    "233,174,90,1,243,328,630,1,233,231,540,1,279,328,270,1,205,318,450,1,172,266,360,1,294,266,540,1";
inline constexpr const char* RoundsFarthest =
    "180,251,450,1,259,176,630,1,180,194,540,1,295,156,450,1,84,166,630,-1,107,251,630,1,253,250,270,1";
// A hole whose 45-degree corners move farthest of all when the whole board
// is selected and turned by 45 degrees.
inline constexpr const char* HoleTurnsFarthest =
    "234,456,90,1,309,399,90,1,319,445,630,1,273,435,630,1,234,332,630,-1,307,344,270,1,218,401,630,1";

// Two 120 x 40 bars and two 40 x 40 squares, with their start placements,
// angle step 180 (a right angle); they make a frame around a 40-pixel hole.
inline const std::vector<std::string> FramePieces = {"4,0,0,0,0,120,0,120,40,0,40", "4,0,0,0,0,120,0,120,40,0,40",
                                                     "4,0,0,0,0,40,0,40,40,0,40", "4,0,0,0,0,40,0,40,40,0,40"};
inline constexpr const char* FrameStart = "0,0,0,1,0,80,0,1,0,40,0,1,80,40,0,1";
// The frame with the bars lying, 100..220, and with the bars upright.
inline constexpr const char* Frame = "100,100,0,1,100,180,0,1,100,140,0,1,180,140,0,1";
inline constexpr const char* UprightFrame = "140,100,180,1,220,100,180,1,140,100,0,1,140,180,0,1";

} // namespace zol::test

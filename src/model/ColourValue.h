#pragma once
// Colour values 0x00BBGGRR (red in the low byte) as Qt colours.

#include <QColor>

#include <cstdint>

namespace zol {

// The workspace colour must be resolved first; bits above blue are ignored.
inline QColor ToQColor(uint32_t colorValue)
{
    return QColor(colorValue & 0xFF, (colorValue >> 8) & 0xFF, (colorValue >> 16) & 0xFF);
}

// 0x00BBGGRR as 0x00RRGGBB, and back: the red and blue bytes swapped.
inline uint32_t SwapRedBlue(uint32_t color) { return (color & 0xFF) << 16 | (color & 0xFF00) | (color >> 16 & 0xFF); }

} // namespace zol

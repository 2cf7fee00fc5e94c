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

} // namespace zol

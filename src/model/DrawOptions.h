#pragma once
// Named choices of the drawing calls, in place of bare flags.

namespace zol {

// Whether a drawing first fills the whole image with the background colour,
// or paints the pieces over what the image already shows.
enum class Background { Fill, Keep };

// How the 128-pixel guide image is derived from the 512-pixel board picture:
// the mean of each 4 x 4 block through the gamma table, or a plain
// nearest-pixel stretch. Images of other sizes are always stretched.
enum class GuideReduction { Stretch, Antialias };

} // namespace zol

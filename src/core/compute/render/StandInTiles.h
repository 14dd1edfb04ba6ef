#pragma once

#include "core/compute/render/TileGrid.h"

namespace ferrovane::render {

// After a zoom, the tiles drawn at the earlier scale stand in, stretched, for those of
// the new scale until these are drawn: the board never turns white while it is drawn.

// A rectangle of pixels at one scale (units per pixel) as it lies in the pixels of
// another: the same stretch of the board. Fractional, since the scales need not divide.
struct StretchedRect {
    double X = 0;
    double Y = 0;
    double W = 0;
    double H = 0;
};
StretchedRect Stretched(const PixelRect& area, float fromScale, float toScale);

// Whether a tile drawn at fromScale shows any of the window of the picture at toScale.
bool StandsIn(const PixelRect& tile, float fromScale, float toScale, const PixelRect& window);

} // namespace ferrovane::render

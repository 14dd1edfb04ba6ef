#include "core/compute/render/StandInTiles.h"

namespace ferrovane::render {

StretchedRect Stretched(const PixelRect& area, float fromScale, float toScale) {
    const double from = fromScale > 0 ? fromScale : 1.0, to = toScale > 0 ? toScale : 1.0;
    const double k = from / to;
    return {static_cast<double>(area.X) * k, static_cast<double>(area.Y) * k,
            static_cast<double>(area.W) * k, static_cast<double>(area.H) * k};
}

bool StandsIn(const PixelRect& tile, float fromScale, float toScale, const PixelRect& window) {
    if (tile.Empty() || window.Empty()) return false;
    const StretchedRect r = Stretched(tile, fromScale, toScale);
    return r.X < static_cast<double>(window.Right()) && static_cast<double>(window.X) < r.X + r.W &&
           r.Y < static_cast<double>(window.Bottom()) && static_cast<double>(window.Y) < r.Y + r.H;
}

} // namespace ferrovane::render

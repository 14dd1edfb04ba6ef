#include "core/compute/render/BackScreenSize.h"

#include <cmath>

namespace ferrovane::render {

namespace {

std::int64_t Pixels(std::int32_t units, float zoom) {
    const double v = std::nearbyint(static_cast<double>(units) / (static_cast<double>(zoom) + 1));
    if (!(v >= 1)) return 1; // also NaN and a negative scale
    if (v > 1e12) return 1000000000000LL;
    return static_cast<std::int64_t>(v);
}

} // namespace

PixelSize BackScreenPixelSize(std::int32_t layoutWidth, std::int32_t layoutHeight, float zoom) {
    return {Pixels(layoutWidth, zoom), Pixels(layoutHeight, zoom)};
}

bool BackScreenFits(PixelSize size) {
    if (size.Width <= 0 || size.Height <= 0) return false;
    if (size.Width > MaxBackScreenBytes || size.Height > MaxBackScreenBytes) return false;
    return size.Width * size.Height * BackScreenBytesPerPixel <= MaxBackScreenBytes;
}

} // namespace ferrovane::render

#pragma once

#include <cstdint>

namespace ferrovane::render {

// The off-screen image is never made larger than this: beyond it the board is too
// large for this zoom.
inline constexpr std::int64_t MaxBackScreenBytes = 256LL * 1024 * 1024;
inline constexpr std::int64_t BackScreenBytesPerPixel = 4;

struct PixelSize {
    std::int64_t Width = 0;
    std::int64_t Height = 0;
};

// The board divided by (zoom + 1), to the nearest pixel, at least 1 by 1.
PixelSize BackScreenPixelSize(std::int32_t layoutWidth, std::int32_t layoutHeight, float zoom);

// Whether an image of that size stays within the cap.
bool BackScreenFits(PixelSize size);

} // namespace ferrovane::render

#include "core/compute/render/TileGrid.h"

#include <algorithm>
#include <cmath>

namespace ferrovane::render {

namespace {

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}

// Far beyond any board at any zoom; keeps the arithmetic clear of overflow.
constexpr double PixelLimit = 1e12;

std::int64_t Clamped(double v) {
    if (!(v > -PixelLimit)) return static_cast<std::int64_t>(-PixelLimit);
    if (v > PixelLimit) return static_cast<std::int64_t>(PixelLimit);
    return static_cast<std::int64_t>(v);
}

} // namespace

PixelRect PixelRect::United(const PixelRect& o) const {
    if (o.Empty()) return *this;
    if (Empty()) return o;
    const std::int64_t x = std::min(X, o.X), y = std::min(Y, o.Y);
    return {x, y, std::max(Right(), o.Right()) - x, std::max(Bottom(), o.Bottom()) - y};
}

PixelRect PixelRect::Intersected(const PixelRect& o) const {
    const std::int64_t x = std::max(X, o.X), y = std::max(Y, o.Y);
    const std::int64_t r = std::min(Right(), o.Right()), b = std::min(Bottom(), o.Bottom());
    if (r <= x || b <= y) return {};
    return {x, y, r - x, b - y};
}

TileGrid::TileGrid(int width, int height, std::int64_t originX, std::int64_t originY)
    : mWidth(width > 0 ? width : DefaultTileSize), mHeight(height > 0 ? height : DefaultTileSize),
      mOriginX(originX), mOriginY(originY) {}

TileGrid TileGrid::Fitted(const PixelRect& window, int columns, int rows) {
    const auto side = [](std::int64_t length, int parts) {
        const std::int64_t n = std::max(parts, 1);
        const std::int64_t each = (std::max<std::int64_t>(length, 1) + n - 1) / n;
        return static_cast<int>(std::clamp<std::int64_t>(each, MinFittedTile, MaxFittedTile));
    };
    return TileGrid(side(window.W, columns), side(window.H, rows), window.X, window.Y);
}

PixelRect TileGrid::Rect(TileKey key) const {
    return {mOriginX + static_cast<std::int64_t>(key.Col) * mWidth,
            mOriginY + static_cast<std::int64_t>(key.Row) * mHeight, mWidth, mHeight};
}

std::vector<TileKey> TileGrid::Covering(const PixelRect& rect) const {
    std::vector<TileKey> keys;
    if (rect.Empty()) return keys;
    const std::int64_t x = rect.X - mOriginX, y = rect.Y - mOriginY;
    const std::int64_t c0 = FloorDiv(x, mWidth), c1 = FloorDiv(x + rect.W - 1, mWidth);
    const std::int64_t r0 = FloorDiv(y, mHeight), r1 = FloorDiv(y + rect.H - 1, mHeight);
    keys.reserve(static_cast<std::size_t>((c1 - c0 + 1) * (r1 - r0 + 1)));
    for (std::int64_t r = r0; r <= r1; ++r)
        for (std::int64_t c = c0; c <= c1; ++c)
            keys.push_back({static_cast<std::int32_t>(c), static_cast<std::int32_t>(r)});
    return keys;
}

PixelRect PixelsOf(const DrawnBox& box, float scale, int margin) {
    if (box.Empty()) return {};
    const double s = scale > 0 ? scale : 1.0;
    const std::int64_t x0 = Clamped(std::floor(box.MinX / s)) - margin;
    const std::int64_t y0 = Clamped(std::floor(box.MinY / s)) - margin;
    const std::int64_t x1 = Clamped(std::ceil(box.MaxX / s)) + margin + 1;
    const std::int64_t y1 = Clamped(std::ceil(box.MaxY / s)) + margin + 1;
    return {x0, y0, x1 - x0, y1 - y0};
}

} // namespace ferrovane::render

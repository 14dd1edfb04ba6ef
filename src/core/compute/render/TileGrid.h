#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "core/compute/render/DrawnBox.h"

namespace ferrovane::render {

// A rectangle of device pixels of the whole board picture at one zoom.
struct PixelRect {
    std::int64_t X = 0;
    std::int64_t Y = 0;
    std::int64_t W = 0;
    std::int64_t H = 0;

    std::int64_t Right() const { return X + W; } // exclusive
    std::int64_t Bottom() const { return Y + H; }
    bool Empty() const { return W <= 0 || H <= 0; }
    bool Intersects(const PixelRect& o) const {
        return !Empty() && !o.Empty() && X < o.Right() && o.X < Right() && Y < o.Bottom() &&
               o.Y < Bottom();
    }
    // The smallest rectangle holding both (an empty one adds nothing).
    PixelRect United(const PixelRect& o) const;
    PixelRect Intersected(const PixelRect& o) const;
    bool operator==(const PixelRect&) const = default;
};

// One tile: column and row in the grid; tile (0, 0) starts at the grid's origin, and
// the grid goes on past every edge.
struct TileKey {
    std::int32_t Col = 0;
    std::int32_t Row = 0;
    bool operator==(const TileKey&) const = default;
};

struct TileKeyHash {
    std::size_t operator()(const TileKey& k) const {
        return std::hash<std::uint64_t>()(
            (static_cast<std::uint64_t>(static_cast<std::uint32_t>(k.Col)) << 32) |
            static_cast<std::uint32_t>(k.Row));
    }
};

inline constexpr int DefaultTileSize = 512;
// The bounds of a tile fitted to a window (see TileGrid::Fitted).
inline constexpr int MinFittedTile = 128;
inline constexpr int MaxFittedTile = 2048;

// The board picture cut into tiles of Width by Height device pixels, tile (0, 0) at the
// origin pixel.
class TileGrid {
public:
    // Square tiles from the board's top-left pixel.
    explicit TileGrid(int size = DefaultTileSize) : TileGrid(size, size, 0, 0) {}
    TileGrid(int width, int height, std::int64_t originX, std::int64_t originY);
    // The grid that cuts the window into columns by rows whole tiles, tile (0, 0) at its
    // top-left pixel: a window drawn from nothing (after a zoom) is then drawn without a
    // pixel to spare, and a scroll by one screen lands on whole tiles again. The tiles
    // stay within MinFittedTile .. MaxFittedTile on each side.
    static TileGrid Fitted(const PixelRect& window, int columns, int rows);

    int Width() const { return mWidth; }
    int Height() const { return mHeight; }
    PixelRect Rect(TileKey key) const;
    // Every tile that shares a pixel with the rectangle, row by row.
    std::vector<TileKey> Covering(const PixelRect& rect) const;
    bool operator==(const TileGrid&) const = default;

private:
    int mWidth;
    int mHeight;
    std::int64_t mOriginX;
    std::int64_t mOriginY;
};

// The device pixels a box of layout units covers at scale (units per pixel), widened
// by margin pixels on every side (for pen widths). Empty for an empty box.
PixelRect PixelsOf(const DrawnBox& box, float scale, int margin);

} // namespace ferrovane::render

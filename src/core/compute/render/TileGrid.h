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

// One tile: column and row in the grid; tile (0, 0) starts at the board's top-left
// pixel, and the grid goes on past every edge.
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

// The board picture cut into square tiles of Size device pixels.
class TileGrid {
public:
    explicit TileGrid(int size = DefaultTileSize) : mSize(size > 0 ? size : DefaultTileSize) {}
    int Size() const { return mSize; }
    PixelRect Rect(TileKey key) const;
    // Every tile that shares a pixel with the rectangle, row by row.
    std::vector<TileKey> Covering(const PixelRect& rect) const;

private:
    int mSize;
};

// The device pixels a box of layout units covers at scale (units per pixel), widened
// by margin pixels on every side (for pen widths). Empty for an empty box.
PixelRect PixelsOf(const DrawnBox& box, float scale, int margin);

} // namespace ferrovane::render

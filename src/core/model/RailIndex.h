#pragma once

#include <cstdint>
#include <vector>

namespace ferrovane::model {

struct Layout;
struct Rail;

// One entry of an index cell: which feature of which rail lies in the cell.
struct IndexToken {
    char Letter; // 'O' middle point, 'S' end 0, 'E' end 1, 'F' end 2
    std::int32_t Rail;
    bool operator==(const IndexToken&) const = default;
};

// Spatial index of 100-unit cells. Cell (i, j) of the grid covers layout cell
// (i + OriginX, j + OriginY). Each cell keeps its tokens in insertion order, which is
// the order the hit test examines them in.
struct RailIndex {
    std::int32_t OriginX = 0, OriginY = 0;      // IndexOriginX, IndexOriginY
    std::int32_t W = -1, H = -1;                // IndexW, IndexH: upper bounds, inclusive
    std::vector<std::vector<IndexToken>> Cells; // (W + 1) * (H + 1), row-major by j

    bool Empty() const { return Cells.empty(); }
    // The tokens of grid element (i, j), or nullptr outside the grid.
    const std::vector<IndexToken>* At(std::int64_t i, std::int64_t j) const;
    std::vector<IndexToken>* At(std::int64_t i, std::int64_t j);
};

struct Extents {
    std::int32_t MinX, MinY, MaxX, MaxY;
    bool operator==(const Extents&) const = default;
};

// Bounding box of the live rails with a 20-unit margin on every side.
Extents GetLayoutExtents(const Layout& layout);

// The box of one rail's own features as GetLayoutExtents takes them (middle point, and
// the corners C1..C4 below text labels), without margin.
Extents RailExtents(const Rail& rail);

// An empty index with the origin and bounds RebuildRailIndex lays over these extents.
RailIndex IndexGridFor(Extents extents);

// Appends the tokens of one rail to the cells its features fall in; features outside
// the grid are skipped. Returns false when any feature fell outside.
bool AddRailToIndex(RailIndex& index, const Layout& layout, int rail);

// Recomputes the extents and rebuilds the index from scratch (nothing while the layout
// is empty).
void RebuildRailIndex(Layout& layout);

} // namespace ferrovane::model

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

struct Extents {
    std::int32_t MinX, MinY, MaxX, MaxY;
    bool operator==(const Extents&) const = default;
};

// Spatial index of 100-unit cells. Cell (i, j) of the grid covers layout cell
// (i + OriginX, j + OriginY). Each cell keeps its tokens in insertion order, which is
// the order the hit test examines them in.
struct RailIndex {
    std::int32_t OriginX = 0, OriginY = 0;      // IndexOriginX, IndexOriginY
    std::int32_t W = -1, H = -1;                // IndexW, IndexH: upper bounds, inclusive
    std::vector<std::vector<IndexToken>> Cells; // (W + 1) * (H + 1), row-major by j
    // Finite features left out for lying outside the grid (beyond the index limits).
    // A bigger grid may hold them, so it can be grown in place only while this is 0.
    std::int32_t SkippedOutside = 0;
    // The layout extents the grid was laid over, widened by every rail added since, so
    // that a grid for more rails follows without a pass over the whole layout. Exact
    // while ExtentExact holds: a removed rail may have set a bound the others do not.
    Extents Extent{0, 0, 0, 0};
    bool ExtentExact = false;

    bool Empty() const { return Cells.empty(); }
    // The tokens of grid element (i, j), or nullptr outside the grid.
    const std::vector<IndexToken>* At(std::int64_t i, std::int64_t j) const;
    std::vector<IndexToken>* At(std::int64_t i, std::int64_t j);
};

// Bounding box of the live rails with a 20-unit margin on every side.
Extents GetLayoutExtents(const Layout& layout);

// The box of one rail's own features as GetLayoutExtents takes them (middle point, and
// the corners C1..C4 below text labels), without margin.
Extents RailExtents(const Rail& rail);

// An empty index with the origin and bounds RebuildRailIndex lays over these extents
// (kept as its exact Extent).
RailIndex IndexGridFor(Extents extents);

// The extents with the margin GetLayoutExtents adds, widened by one rail's.
Extents WidenedByRail(Extents extents, const Rail& rail);

// Appends the tokens of one rail to the cells its features fall in, and widens Extent
// by the rail; features outside the grid are skipped (and counted in SkippedOutside).
// Returns false when any feature fell outside.
bool AddRailToIndex(RailIndex& index, const Layout& layout, int rail);

// The same for a rail that comes back among others: its tokens go where a rebuild puts
// them, after those of every rail numbered lower, so the cells stay as a rebuild makes
// them.
bool InsertRailInIndex(RailIndex& index, const Layout& layout, int rail);

// Recomputes the extents and rebuilds the index from scratch (nothing while the layout
// is empty).
void RebuildRailIndex(Layout& layout);

} // namespace ferrovane::model

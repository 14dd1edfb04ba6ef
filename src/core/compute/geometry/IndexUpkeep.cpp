#include "core/compute/geometry/IndexUpkeep.h"

#include <cstddef>
#include <cstdint>
#include <utility>

#include "core/values/model/Layout.h"
#include "core/values/model/RailIndex.h"

namespace ferrovane::geometry {

namespace {

// Whether the grid over a rail's own features (with the extents' margin) lies inside
// the current grid. The grid of a union of extents is the union of their grids, since
// origin and bounds grow monotonically with the extents; so when this holds for every
// new rail, a rebuild would lay exactly the current grid.
bool GridCovers(const model::RailIndex& index, const model::Rail& rail) {
    model::Extents e = model::RailExtents(rail);
    e = {e.MinX - 20, e.MinY - 20, e.MaxX + 20, e.MaxY + 20};
    const model::RailIndex own = model::IndexGridFor(e);
    return own.OriginX >= index.OriginX && own.OriginY >= index.OriginY &&
           own.OriginX + own.W <= index.OriginX + index.W &&
           own.OriginY + own.H <= index.OriginY + index.H;
}

// Lays the grid a rebuild would for the layout with rails first..RailCount and moves
// the old cells into it, when that gives exactly a rebuild's cells: the new grid holds
// the old one, so every token keeps its layout cell, and no feature was left out of
// the old grid that the new one might take in. Tokens stay in rail-number order within
// each cell. False (nothing changed) otherwise.
bool GrowIndex(model::Layout& layout, int first) {
    model::RailIndex& old = layout.Index;
    if (old.SkippedOutside != 0) return false;
    // The extents follow from the old ones and the new rails alone, unless a removed
    // rail may have left them wider than the layout now is.
    model::Extents extents = old.Extent;
    if (old.ExtentExact) {
        for (int n = first; n <= layout.RailCount; ++n)
            if (layout.Rails[n].Valid) extents = model::WidenedByRail(extents, layout.Rails[n]);
    } else {
        extents = model::GetLayoutExtents(layout);
    }
    model::RailIndex grown = model::IndexGridFor(extents);
    const std::int64_t di = std::int64_t{old.OriginX} - grown.OriginX;
    const std::int64_t dj = std::int64_t{old.OriginY} - grown.OriginY;
    if (di < 0 || dj < 0 || di + old.W > grown.W || dj + old.H > grown.H) return false;
    // Row by row, each old row lands at one offset in the wider grid.
    const auto oldRow = static_cast<std::size_t>(old.W) + 1;
    const auto newRow = static_cast<std::size_t>(grown.W) + 1;
    for (std::size_t j = 0; j <= static_cast<std::size_t>(old.H); ++j) {
        auto from = old.Cells.begin() + static_cast<std::ptrdiff_t>(j * oldRow);
        auto to = grown.Cells.begin() +
                  static_cast<std::ptrdiff_t>((j + static_cast<std::size_t>(dj)) * newRow +
                                              static_cast<std::size_t>(di));
        for (std::size_t i = 0; i < oldRow; ++i, ++from, ++to)
            if (!from->empty()) *to = std::move(*from);
    }
    old = std::move(grown);
    return true;
}

} // namespace

void IndexNewRails(model::Layout& layout, int first) {
    // The extents start from rail 1's middle point only from two rails on, so the
    // first two rails always rebuild.
    if (layout.Index.Empty() || first <= 2) {
        model::RebuildRailIndex(layout);
        return;
    }
    for (int n = first; n <= layout.RailCount; ++n) {
        if (layout.Rails[n].Valid && !GridCovers(layout.Index, layout.Rails[n])) {
            if (!GrowIndex(layout, first)) {
                model::RebuildRailIndex(layout);
                return;
            }
            break;
        }
    }
    // New rails carry the highest numbers, so appending their tokens keeps every cell
    // in rail-number order, as a rebuild fills it.
    for (int n = first; n <= layout.RailCount; ++n)
        if (layout.Rails[n].Valid) model::AddRailToIndex(layout.Index, layout, n);
}

} // namespace ferrovane::geometry

#include "core/geometry/IndexUpkeep.h"

#include "core/model/Layout.h"
#include "core/model/RailIndex.h"

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
            model::RebuildRailIndex(layout);
            return;
        }
    }
    // New rails carry the highest numbers, so appending their tokens keeps every cell
    // in rail-number order, as a rebuild fills it.
    for (int n = first; n <= layout.RailCount; ++n)
        if (layout.Rails[n].Valid) model::AddRailToIndex(layout.Index, layout, n);
}

} // namespace ferrovane::geometry

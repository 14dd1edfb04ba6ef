#include "core/compute/editor/IndexRemoval.h"

#include <algorithm>
#include <cmath>

#include "core/values/model/Layout.h"

namespace ferrovane::editor {

namespace {

void EraseFrom(model::RailIndex& index, float cellX, float cellY, int n) {
    if (!std::isfinite(cellX) || !std::isfinite(cellY)) return;
    const double i = static_cast<double>(cellX) - index.OriginX;
    const double j = static_cast<double>(cellY) - index.OriginY;
    if (i < 0 || j < 0 || i > index.W || j > index.H) return;
    auto* cell = index.At(static_cast<std::int64_t>(i), static_cast<std::int64_t>(j));
    if (!cell) return;
    std::erase_if(*cell, [n](const model::IndexToken& t) { return t.Rail == n; });
}

} // namespace

void RemoveRailFromIndex(model::Layout& layout, int n) {
    if (layout.Index.Empty()) {
        model::RebuildRailIndex(layout);
        return;
    }
    const model::Rail& r = layout.Rails[static_cast<std::size_t>(n)];
    auto& index = layout.Index;
    EraseFrom(index, r.MidCellX, r.MidCellY, n);
    EraseFrom(index, model::CellOf(r.X0), model::CellOf(r.Y0), n);
    EraseFrom(index, model::CellOf(r.X1), model::CellOf(r.Y1), n);
    EraseFrom(index, model::CellOf(r.X2), model::CellOf(r.Y2), n);
    // A rail on a bound of the extents may have been the one that set it.
    const model::Extents own = model::RailExtents(r);
    const model::Extents& e = index.Extent;
    if (own.MinX - 20 <= e.MinX || own.MinY - 20 <= e.MinY || own.MaxX + 20 >= e.MaxX ||
        own.MaxY + 20 >= e.MaxY)
        index.ExtentExact = false;
}

} // namespace ferrovane::editor

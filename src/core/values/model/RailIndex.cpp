#include "core/values/model/RailIndex.h"

#include <algorithm>
#include <cmath>

#include "core/values/model/Layout.h"

namespace ferrovane::model {

namespace {

// Values are rounded half to even as they are taken into the extents; a damaged file
// may hold anything, so the conversion saturates instead of overflowing.
std::int32_t RoundEven(float v) {
    if (std::isnan(v)) return 0;
    const double r = std::nearbyint(static_cast<double>(v));
    return static_cast<std::int32_t>(std::clamp(r, -1.0e9, 1.0e9));
}

// The index grid covers at most this range of layout units on each axis. Boards are at
// most 30000 units, so only rails of a damaged file can lie beyond it; they stay in the
// layout but are not found by the hit test, instead of the grid eating all memory.
constexpr std::int32_t IndexLimitLow = -40000;
constexpr std::int32_t IndexLimitHigh = 70000;

// Int(v / 100) for whole numbers: floor division.
std::int32_t FloorDiv100(std::int64_t v) {
    return static_cast<std::int32_t>(v >= 0 ? v / 100 : -((-v + 99) / 100));
}

void Widen(Extents& e, float x, float y) {
    const std::int32_t ix = RoundEven(x), iy = RoundEven(y);
    e.MinX = std::min(e.MinX, ix);
    e.MinY = std::min(e.MinY, iy);
    e.MaxX = std::max(e.MaxX, ix);
    e.MaxY = std::max(e.MaxY, iy);
}

// A token goes to the end of its cell, or with inOrder after every token of a rail
// numbered no higher, where a rebuild would have put it.
bool Put(RailIndex& index, char letter, int rail, float cellX, float cellY, bool inOrder) {
    if (!std::isfinite(cellX) || !std::isfinite(cellY)) return false;
    const double i = static_cast<double>(cellX) - index.OriginX;
    const double j = static_cast<double>(cellY) - index.OriginY;
    auto* cell = i < 0 || j < 0 || i > index.W || j > index.H
                     ? nullptr
                     : index.At(static_cast<std::int64_t>(i), static_cast<std::int64_t>(j));
    if (!cell) {
        if (index.SkippedOutside < INT32_MAX) ++index.SkippedOutside;
        return false;
    }
    if (inOrder)
        cell->insert(std::find_if(cell->begin(), cell->end(),
                                  [rail](const IndexToken& t) { return t.Rail > rail; }),
                     {letter, rail});
    else
        cell->push_back({letter, rail});
    return true;
}

void WidenByRail(Extents& e, const Rail& r) {
    Widen(e, r.MidX, r.MidY);
    if (r.Kind < KindText) {
        Widen(e, r.C1X, r.C1Y);
        Widen(e, r.C2X, r.C2Y);
        Widen(e, r.C3X, r.C3Y);
        Widen(e, r.C4X, r.C4Y);
    }
}

} // namespace

const std::vector<IndexToken>* RailIndex::At(std::int64_t i, std::int64_t j) const {
    if (i < 0 || j < 0 || i > W || j > H) return nullptr;
    return &Cells[static_cast<std::size_t>(j * (W + 1) + i)];
}

std::vector<IndexToken>* RailIndex::At(std::int64_t i, std::int64_t j) {
    if (i < 0 || j < 0 || i > W || j > H) return nullptr;
    return &Cells[static_cast<std::size_t>(j * (W + 1) + i)];
}

Extents RailExtents(const Rail& r) {
    const std::int32_t x = RoundEven(r.MidX), y = RoundEven(r.MidY);
    Extents e{x, y, x, y};
    WidenByRail(e, r);
    return e;
}

Extents GetLayoutExtents(const Layout& layout) {
    Extents e{0, 0, 0, 0};
    if (layout.RailCount >= 2) {
        e.MinX = RoundEven(layout.Rails[1].MidX);
        e.MinY = RoundEven(layout.Rails[1].MidY);
    }
    for (int n = 1; n <= layout.RailCount; ++n) {
        const Rail& r = layout.Rails[n];
        if (!r.Valid) continue;
        WidenByRail(e, r);
    }
    return {e.MinX - 20, e.MinY - 20, e.MaxX + 20, e.MaxY + 20};
}

Extents WidenedByRail(Extents e, const Rail& r) {
    const Extents own = RailExtents(r);
    return {std::min(e.MinX, own.MinX - 20), std::min(e.MinY, own.MinY - 20),
            std::max(e.MaxX, own.MaxX + 20), std::max(e.MaxY, own.MaxY + 20)};
}

namespace {

bool AddTokens(RailIndex& index, const Layout& layout, int n, bool inOrder = false) {
    const Rail& r = layout.Rails[n];
    bool ok = true;
    if (r.Kind < KindBoxMemberStraight || r.Kind == KindText)
        ok &= Put(index, 'O', n, r.MidCellX, r.MidCellY, inOrder);
    if (r.Kind < KindText) {
        ok &= Put(index, 'S', n, CellOf(r.X0), CellOf(r.Y0), inOrder);
        ok &= Put(index, 'E', n, CellOf(r.X1), CellOf(r.Y1), inOrder);
    }
    if (r.Kind == KindPoint) ok &= Put(index, 'F', n, CellOf(r.X2), CellOf(r.Y2), inOrder);
    return ok;
}

} // namespace

bool AddRailToIndex(RailIndex& index, const Layout& layout, int n) {
    index.Extent = WidenedByRail(index.Extent, layout.Rails[n]);
    return AddTokens(index, layout, n);
}

bool InsertRailInIndex(RailIndex& index, const Layout& layout, int n) {
    index.Extent = WidenedByRail(index.Extent, layout.Rails[n]);
    return AddTokens(index, layout, n, true);
}

RailIndex IndexGridFor(Extents e) {
    RailIndex index;
    index.Extent = e;
    index.ExtentExact = true;
    e.MinX = std::clamp(e.MinX, IndexLimitLow, IndexLimitHigh);
    e.MinY = std::clamp(e.MinY, IndexLimitLow, IndexLimitHigh);
    e.MaxX = std::clamp(e.MaxX, IndexLimitLow, IndexLimitHigh);
    e.MaxY = std::clamp(e.MaxY, IndexLimitLow, IndexLimitHigh);
    index.OriginX = FloorDiv100(e.MinX) - 1;
    index.OriginY = FloorDiv100(e.MinY) - 1;
    index.W = FloorDiv100(e.MaxX) + 2 - index.OriginX;
    index.H = FloorDiv100(e.MaxY) + 2 - index.OriginY;
    // With every rail deleted the extents can run backwards (the minimum starts at
    // rail 1); the grid is then a single cell.
    index.W = std::max(index.W, 0);
    index.H = std::max(index.H, 0);
    index.Cells.assign(
        static_cast<std::size_t>(index.W + 1) * static_cast<std::size_t>(index.H + 1), {});
    return index;
}

void RebuildRailIndex(Layout& layout) {
    if (layout.RailCount == 0) return;
    RailIndex index = IndexGridFor(GetLayoutExtents(layout));
    for (int n = 1; n <= layout.RailCount; ++n)
        if (layout.Rails[n].Valid) AddTokens(index, layout, n);
    layout.Index = std::move(index);
}

} // namespace ferrovane::model

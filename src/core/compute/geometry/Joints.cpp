#include "core/compute/geometry/Joints.h"

#include "core/values/model/Layout.h"
#include "core/values/model/RailIndex.h"

namespace ferrovane::geometry {

void RemoveRail(model::Layout& layout, int n) {
    if (n < 1 || n > layout.RailCount) return;
    model::Rail& r = layout.Rails[n];
    r.Valid = false;
    for (int e = 0; e < 3; ++e) {
        if (r.Free(e)) continue;
        const int m = r.Link(e);
        const int f = r.LinkEnd(e);
        if (m < 1 || m > layout.RailCount || f > 2 || m == n) continue;
        model::Rail& other = layout.Rails[m];
        // Only an end that really is joined back here is freed: a damaged file may name
        // a neighbour that is joined elsewhere.
        if (!other.Free(f) && other.Link(f) == n && other.LinkEnd(f) == e) other.Free(f) = true;
    }
}

namespace {

void MoveRecord(model::Rail& r, float dx, float dy) {
    for (float* x :
         {&r.X0, &r.X1, &r.X2, &r.C1X, &r.C2X, &r.C3X, &r.C4X, &r.C5X, &r.C6X, &r.CenterX, &r.MidX})
        *x += dx;
    for (float* y :
         {&r.Y0, &r.Y1, &r.Y2, &r.C1Y, &r.C2Y, &r.C3Y, &r.C4Y, &r.C5Y, &r.C6Y, &r.CenterY, &r.MidY})
        *y += dy;
    model::UpdateCells(r);
}

} // namespace

void TranslateRail(model::Layout& layout, int n, float dx, float dy) {
    if (n < 0 || n > layout.RailCount) return;
    MoveRecord(layout.Rails[n], dx, dy);
    layout.Modified = true;
    model::RebuildRailIndex(layout);
}

void ShiftAllRails(model::Layout& layout, float dx, float dy) {
    for (int n = 1; n <= layout.RailCount; ++n)
        MoveRecord(layout.Rails[n], dx, dy);
    layout.Modified = true;
}

void TranslateAllRails(model::Layout& layout, float dx, float dy) {
    ShiftAllRails(layout, dx, dy);
    model::RebuildRailIndex(layout);
}

} // namespace ferrovane::geometry

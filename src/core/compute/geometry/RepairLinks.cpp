#include "core/compute/geometry/RepairLinks.h"

#include <array>
#include <vector>

#include "core/values/model/Layout.h"

namespace ferrovane::geometry {

namespace {

// Ends that detection can find: ends 0 and 1 of every rail below the text labels, end 2
// of points only. A joint anywhere else cannot have been made by placement.
bool EndExists(const model::Rail& rail, int end) {
    if (end == 0 || end == 1) return rail.Kind < model::KindText;
    return end == 2 && rail.Kind == model::KindPoint;
}

// Whether end e of rail i is one half of a sound joint, judged on the state as loaded.
// The test is symmetric in the two ends, so judging every end on the same input frees
// both halves of a broken pair or neither.
bool KeepsJoint(const model::Layout& layout, int i, int e) {
    const model::Rail& rail = layout.Rails[static_cast<std::size_t>(i)];
    if (rail.Free(e) || i < 1 || !rail.Valid || !EndExists(rail, e)) return false;
    const int n = rail.Link(e);
    const int f = rail.LinkEnd(e);
    if (n < 1 || n > layout.RailCount || n == i || f > 2) return false;
    const model::Rail& other = layout.Rails[static_cast<std::size_t>(n)];
    if (!other.Valid || !EndExists(other, f) || other.Free(f)) return false;
    return other.Link(f) == i && other.LinkEnd(f) == e;
}

} // namespace

void RepairLinks(model::Layout& layout) {
    const int count = layout.RailCount;
    std::vector<std::array<bool, 3>> keep(static_cast<std::size_t>(count) + 1);
    for (int i = 0; i <= count; ++i)
        for (int e = 0; e < 3; ++e)
            keep[static_cast<std::size_t>(i)][e] = KeepsJoint(layout, i, e);
    for (int i = 0; i <= count; ++i) {
        model::Rail& rail = layout.Rails[static_cast<std::size_t>(i)];
        for (int e = 0; e < 3; ++e) {
            // A label has no ends: its end flags hold bold and italic, and stay.
            if (rail.Kind == model::KindText) {
                rail.Link(e) = 0;
                continue;
            }
            if (keep[static_cast<std::size_t>(i)][e]) continue;
            rail.Free(e) = true;
            rail.Link(e) = 0;
        }
    }
}

bool LinksAreConsistent(const model::Layout& layout) {
    for (int i = 0; i <= layout.RailCount; ++i) {
        const model::Rail& rail = layout.Rails[static_cast<std::size_t>(i)];
        for (int e = 0; e < 3; ++e) {
            if (rail.Kind == model::KindText) {
                if (rail.Link(e) != 0) return false;
                continue;
            }
            if (rail.Free(e)) continue;
            if (!KeepsJoint(layout, i, e)) return false;
        }
    }
    return true;
}

} // namespace ferrovane::geometry

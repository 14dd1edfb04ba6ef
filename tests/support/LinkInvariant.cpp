#include "support/LinkInvariant.h"

#include <cmath>

#include "support/Tolerance.h"

namespace ferrovane::testing {

namespace {

int EndCount(const model::Rail& r) {
    if (r.Kind == model::KindText) return 0;
    return r.Kind == model::KindPoint ? 3 : 2;
}

} // namespace

::testing::AssertionResult LinksConsistent(const model::Layout& layout, bool closedEnds) {
    for (int n = 1; n <= layout.RailCount; ++n) {
        const model::Rail& r = layout.Rails[n];
        if (!r.Valid) continue;
        for (int e = 0; e < EndCount(r); ++e) {
            if (r.Free(e) || (closedEnds && r.Link(e) == 0)) continue;
            const int m = r.Link(e), f = r.LinkEnd(e);
            auto fail = [&] {
                return ::testing::AssertionFailure()
                       << "rail " << n << " end " << e << " joined to rail " << m << " end " << f
                       << ": ";
            };
            if (m < 1 || m > layout.RailCount || m == n) return fail() << "no such rail";
            const model::Rail& other = layout.Rails[m];
            if (!other.Valid) return fail() << "the neighbour is deleted";
            if (f >= EndCount(other)) return fail() << "the neighbour has no such end";
            if (other.Free(f)) return fail() << "the neighbour's end is free";
            if (other.Link(f) != n || other.LinkEnd(f) != e)
                return fail() << "the neighbour's end names rail " << other.Link(f) << " end "
                              << int(other.LinkEnd(f));
        }
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult JointsMeet(const model::Layout& layout, float tolerance,
                                      float angleTolerance) {
    for (int n = 1; n <= layout.RailCount; ++n) {
        const model::Rail& r = layout.Rails[n];
        if (!r.Valid) continue;
        for (int e = 0; e < EndCount(r); ++e) {
            if (r.Free(e)) continue;
            const int m = r.Link(e), f = r.LinkEnd(e);
            if (m < 1 || m > layout.RailCount) continue;
            const model::Rail& o = layout.Rails[m];
            auto place = NearPoint(r.X(e), r.Y(e), o.X(f), o.Y(f), tolerance);
            if (!place)
                return place << " (rail " << n << " end " << e << ", rail " << m << " end " << f
                             << ")";
            auto turn = NearAngle(r.EndAngle(e), o.EndAngle(f) + 180, angleTolerance);
            if (!turn)
                return turn << " (rail " << n << " end " << e << ", rail " << m << " end " << f
                            << ")";
        }
    }
    return ::testing::AssertionSuccess();
}

} // namespace ferrovane::testing

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/compute/geometry/RepairLinks.h"
#include "core/values/model/Layout.h"
#include "support/LayoutFixtures.h"

using namespace ferrovane;
using ferrovane::testing::layouts::Join;
using ferrovane::testing::layouts::StraightRow;

namespace {

// The link invariant, checked directly: every joined end names a live rail that names
// it back, at an end that exists; every free end has Link 0.
::testing::AssertionResult InvariantHolds(const model::Layout& layout) {
    for (int i = 0; i <= layout.RailCount; ++i) {
        const model::Rail& r = layout.Rails[static_cast<std::size_t>(i)];
        for (int e = 0; e < 3; ++e) {
            const std::string where = "rail " + std::to_string(i) + " end " + std::to_string(e);
            // A label's end flags are its style; it joins nothing.
            if (r.Kind == model::KindText) {
                if (r.Link(e) != 0) return ::testing::AssertionFailure() << where << ": label";
                continue;
            }
            if (r.Free(e)) {
                if (r.Link(e) != 0) return ::testing::AssertionFailure() << where << ": Link";
                continue;
            }
            const int n = r.Link(e), f = r.LinkEnd(e);
            if (!r.Valid || n < 1 || n > layout.RailCount || n == i || f > 2)
                return ::testing::AssertionFailure() << where << " joined to nothing";
            const model::Rail& o = layout.Rails[static_cast<std::size_t>(n)];
            const bool exists = (f < 2 && o.Kind < 100) || (f == 2 && o.Kind == 2);
            const bool ownExists = (e < 2 && r.Kind < 100) || (e == 2 && r.Kind == 2);
            if (!o.Valid || !exists || !ownExists || o.Free(f) || o.Link(f) != i ||
                o.LinkEnd(f) != e)
                return ::testing::AssertionFailure() << where << " not linked back";
        }
    }
    return ::testing::AssertionSuccess();
}

model::Layout WithPoint() {
    // 1 - 2 straights, 3 a point whose end 2 is joined to end 0 of straight 4.
    model::Layout layout = StraightRow(2);
    layout.AppendRail() = ferrovane::testing::layouts::Straight(3, 300, 500, 100);
    layout.Rails[3].Kind = model::KindPoint;
    layout.AppendRail() = ferrovane::testing::layouts::Straight(4, 400, 600, 100);
    Join(layout, 2, 1, 3, 0);
    Join(layout, 3, 2, 4, 0);
    return layout;
}

} // namespace

TEST(RepairLinks, SoundJointsStayAndBrokenOnesAreFreedOnBothSides) {
    const struct {
        const char* name;
        void (*damage)(model::Layout&);
        // Ends expected free afterwards, as rail * 10 + end; all others unchanged.
        std::vector<int> freed;
    } cases[] = {
        {"undamaged", [](model::Layout&) {}, {}},
        {"neighbour deleted",
         [](model::Layout& l) {
             l.Rails[2].Valid = false;
             l.Rails[1].Free1 = true; // as RemoveRail leaves it
         },
         {11, 20, 21, 30}},
        {"deleted rail still named by a live end",
         [](model::Layout& l) { l.Rails[2].Valid = false; },
         {11, 20, 21, 30}},
        {"link beyond the array", [](model::Layout& l) { l.Rails[4].Link0 = 99; }, {32, 40}},
        {"link to the preview slot", [](model::Layout& l) { l.Rails[1].Link1 = 0; }, {11, 20}},
        {"negative link", [](model::Layout& l) { l.Rails[1].Link1 = -3; }, {11, 20}},
        {"neighbour links back from a different end",
         [](model::Layout& l) { l.Rails[2].LinkEnd0 = 0; },
         {11, 20}},
        {"neighbour's end is free", [](model::Layout& l) { l.Rails[2].Free0 = true; }, {11, 20}},
        {"neighbour names another rail", [](model::Layout& l) { l.Rails[2].Link0 = 3; }, {11, 20}},
        {"link end out of range", [](model::Layout& l) { l.Rails[1].LinkEnd1 = 7; }, {11, 20}},
        {"end 2 of a straight",
         [](model::Layout& l) {
             l.Rails[3].Kind = model::KindStraight; // the joint at its end 2 cannot exist
         },
         {32, 40}},
        {"text label has no ends",
         [](model::Layout& l) { l.Rails[1].Kind = model::KindText; },
         {20}},
        {"joined to itself",
         [](model::Layout& l) {
             l.Rails[1].Free0 = false;
             l.Rails[1].Link0 = 1;
             l.Rails[1].LinkEnd0 = 0;
         },
         {10}},
        {"both ends of one rail claim the same neighbour end",
         [](model::Layout& l) {
             l.Rails[1].Free0 = false;
             l.Rails[1].Link0 = 2;
             l.Rails[1].LinkEnd0 = 0;
         },
         {10}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        model::Layout layout = WithPoint();
        c.damage(layout);
        const model::Layout damaged = layout;
        geometry::RepairLinks(layout);
        EXPECT_TRUE(InvariantHolds(layout));
        EXPECT_TRUE(geometry::LinksAreConsistent(layout));
        for (int i = 1; i <= layout.RailCount; ++i) {
            for (int e = 0; e < 3; ++e) {
                const model::Rail& before = damaged.Rails[static_cast<std::size_t>(i)];
                const model::Rail& after = layout.Rails[static_cast<std::size_t>(i)];
                const bool expectFreed =
                    std::find(c.freed.begin(), c.freed.end(), i * 10 + e) != c.freed.end();
                if (after.Kind == model::KindText) {
                    EXPECT_EQ(after.Free(e), before.Free(e)) << "bold and italic stay";
                    EXPECT_EQ(after.Link(e), 0) << i << "/" << e;
                } else if (expectFreed || before.Free(e)) {
                    EXPECT_TRUE(after.Free(e)) << i << "/" << e;
                    EXPECT_EQ(after.Link(e), 0) << i << "/" << e;
                } else {
                    EXPECT_FALSE(after.Free(e)) << i << "/" << e;
                    EXPECT_EQ(after.Link(e), before.Link(e)) << i << "/" << e;
                }
                EXPECT_EQ(after.LinkEnd(e), before.LinkEnd(e)) << "LinkEnd is left as it was";
            }
        }
    }
}

TEST(RepairLinks, RandomDamageAlwaysEndsInTheInvariantAndKeepsSoundPairs) {
    std::mt19937 rng(7);
    auto u = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    for (int iteration = 0; iteration < 300; ++iteration) {
        const int count = u(1, 30);
        model::Layout layout;
        layout.Rails[0].Free0 = layout.Rails[0].Free1 = layout.Rails[0].Free2 = true;
        for (int n = 1; n <= count; ++n) {
            layout.AppendRail() = ferrovane::testing::layouts::Straight(n, 0, 0, 10);
            layout.Rails[static_cast<std::size_t>(n)].Kind =
                static_cast<std::uint8_t>(u(0, 3) == 0 ? model::KindPoint : model::KindStraight);
        }
        for (int k = 0; k < count; ++k) {
            const int a = u(1, count), b = u(1, count);
            const int e = u(0, layout.Rails[a].Kind == 2 ? 2 : 1);
            const int f = u(0, layout.Rails[b].Kind == 2 ? 2 : 1);
            if (a != b && layout.Rails[a].Free(e) && layout.Rails[b].Free(f))
                Join(layout, a, e, b, f);
        }
        ASSERT_TRUE(InvariantHolds(layout));
        // Damage: random writes to link fields, validity and kinds.
        for (int k = u(0, 6); k > 0; --k) {
            model::Rail& r = layout.Rails[static_cast<std::size_t>(u(0, count))];
            const int e = u(0, 2);
            switch (u(0, 5)) {
            case 0:
                r.Free(e) = !r.Free(e);
                break;
            case 1:
                r.Link(e) = static_cast<std::int16_t>(u(-2, count + 2));
                break;
            case 2:
                r.LinkEnd(e) = static_cast<std::uint8_t>(u(0, 4));
                break;
            case 3:
                r.Valid = !r.Valid;
                break;
            case 4:
                r.Kind = static_cast<std::uint8_t>(u(0, 1) ? 2 : u(0, 1) ? 0 : 100);
                break;
            default:
                r.Link(e) = static_cast<std::int16_t>(u(1, count));
                r.Free(e) = false;
            }
        }
        const model::Layout damaged = layout;
        geometry::RepairLinks(layout);
        ASSERT_TRUE(InvariantHolds(layout)) << "iteration " << iteration;
        // Repair only frees: a joint that was sound before stays exactly as it was.
        for (int i = 1; i <= count; ++i)
            for (int e = 0; e < 3; ++e) {
                const model::Rail& before = damaged.Rails[static_cast<std::size_t>(i)];
                const model::Rail& after = layout.Rails[static_cast<std::size_t>(i)];
                if (before.Free(e)) {
                    EXPECT_TRUE(after.Free(e));
                }
                if (after.Kind == model::KindText) {
                    EXPECT_EQ(after.Free(e), before.Free(e));
                } else if (!after.Free(e)) {
                    EXPECT_EQ(after.Link(e), before.Link(e));
                }
            }
        model::Layout twice = layout;
        geometry::RepairLinks(twice);
        EXPECT_EQ(twice.Rails, layout.Rails) << "a second repair changes nothing";
    }
}

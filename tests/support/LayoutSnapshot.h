#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <ostream>
#include <tuple>
#include <vector>

#include "core/values/model/Layout.h"
#include "core/values/model/RailIndex.h"

namespace ferrovane::testing {

// A rail as far as it matters: the link fields of a free end carry no meaning.
inline model::Rail Canonical(model::Rail r) {
    for (int e = 0; e < 3; ++e) {
        if (!r.Free(e)) continue;
        r.Link(e) = 0;
        r.LinkEnd(e) = 0;
    }
    return r;
}

// The index content by absolute cell, independent of where the grid starts.
using IndexContent =
    std::vector<std::tuple<std::int64_t, std::int64_t, std::vector<model::IndexToken>>>;

inline IndexContent ContentOf(const model::RailIndex& index) {
    IndexContent out;
    for (std::int64_t j = 0; j <= index.H; ++j)
        for (std::int64_t i = 0; i <= index.W; ++i) {
            const auto* cell = index.At(i, j);
            if (cell && !cell->empty())
                out.emplace_back(i + index.OriginX, j + index.OriginY, *cell);
        }
    std::sort(out.begin(), out.end(), [](const auto& a, const auto& b) {
        return std::tie(std::get<0>(a), std::get<1>(a)) < std::tie(std::get<0>(b), std::get<1>(b));
    });
    return out;
}

// The index kept up incrementally is the one a rebuild would make: same grid, same
// cells, same extents where they are said to be exact, same features left out.
inline ::testing::AssertionResult IndexIsRebuilt(const model::Layout& layout) {
    model::Layout copy = layout;
    model::RebuildRailIndex(copy);
    const model::RailIndex& a = layout.Index;
    const model::RailIndex& b = copy.Index;
    if (a.OriginX != b.OriginX || a.OriginY != b.OriginY || a.W != b.W || a.H != b.H)
        return ::testing::AssertionFailure()
               << "grid (" << a.OriginX << ", " << a.OriginY << ", " << a.W << ", " << a.H
               << ") differs from (" << b.OriginX << ", " << b.OriginY << ", " << b.W << ", " << b.H
               << ")";
    if (a.Cells != b.Cells) return ::testing::AssertionFailure() << "cell contents differ";
    if (a.ExtentExact && a.Extent != b.Extent)
        return ::testing::AssertionFailure() << "extents differ";
    if (a.SkippedOutside != b.SkippedOutside)
        return ::testing::AssertionFailure()
               << "skipped " << a.SkippedOutside << " not " << b.SkippedOutside;
    return ::testing::AssertionSuccess();
}

// What the layout held at one moment.
struct LayoutSnapshot {
    std::int32_t RailCount = 0;
    std::vector<model::Rail> Rails;
    IndexContent Index;
};

inline LayoutSnapshot Snapshot(const model::Layout& layout) {
    LayoutSnapshot s;
    s.RailCount = layout.RailCount;
    for (int n = 1; n <= layout.RailCount; ++n)
        s.Rails.push_back(Canonical(layout.Rails[static_cast<std::size_t>(n)]));
    s.Index = ContentOf(layout.Index);
    return s;
}

// The layout holds exactly what it held at the snapshot; slots added since are dead.
inline void ExpectRestored(const LayoutSnapshot& before, const model::Layout& layout) {
    ASSERT_GE(layout.RailCount, before.RailCount);
    for (int n = 1; n <= before.RailCount; ++n)
        EXPECT_EQ(Canonical(layout.Rails[static_cast<std::size_t>(n)]),
                  before.Rails[static_cast<std::size_t>(n - 1)])
            << "rail " << n;
    for (int n = before.RailCount + 1; n <= layout.RailCount; ++n)
        EXPECT_FALSE(layout.Rails[static_cast<std::size_t>(n)].Valid) << "rail " << n;
    EXPECT_EQ(ContentOf(layout.Index), before.Index);
}

} // namespace ferrovane::testing

namespace ferrovane::model {

// Failure messages name a rail's fields instead of dumping its bytes.
inline void PrintTo(const Rail& r, std::ostream* os) {
    *os << "{No " << r.No << " Name '" << r.Name << "' Kind " << int(r.Kind) << " Valid " << r.Valid
        << " at (" << r.X0 << ", " << r.Y0 << ") Free " << r.Free0 << r.Free1 << r.Free2
        << " Links " << r.Link0 << ":" << int(r.LinkEnd0) << " " << r.Link1 << ":"
        << int(r.LinkEnd1) << " " << r.Link2 << ":" << int(r.LinkEnd2) << " Upper " << r.Upper
        << " Color " << r.Color << " BoxSeq " << r.BoxSeq << "}";
}

} // namespace ferrovane::model

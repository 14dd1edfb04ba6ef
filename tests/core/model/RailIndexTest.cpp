#include <gtest/gtest.h>

#include "core/values/model/Layout.h"
#include "core/values/model/RailIndex.h"
#include "support/LayoutFixtures.h"

using namespace ferrovane::model;

namespace {

using ferrovane::testing::layouts::Straight;

std::vector<IndexToken> TokensAt(const Layout& layout, float x, float y) {
    const auto* cell = layout.Index.At(static_cast<std::int64_t>(CellOf(x)) - layout.Index.OriginX,
                                       static_cast<std::int64_t>(CellOf(y)) - layout.Index.OriginY);
    return cell ? *cell : std::vector<IndexToken>{};
}

} // namespace

TEST(LayoutExtents, MinimumStartsAtOriginForOneRail) {
    Layout layout;
    layout.AppendRail() = Straight(1, 500, 500, 248);
    EXPECT_EQ(GetLayoutExtents(layout), (Extents{-20, -20, 768, 525}));
}

TEST(RailIndex, TokensPerFeatureInRailOrder) {
    Layout layout;
    layout.AppendRail() = Straight(1, 110, 110, 40);
    layout.AppendRail() = Straight(2, 150, 110, 40);
    layout.Rails[2].Valid = false;
    layout.AppendRail() = Straight(3, 120, 120, 60);
    RebuildRailIndex(layout);
    // Rail 2 is deleted: no tokens. Rails 1 and 3 in number order, letters O, S, E.
    const std::vector<IndexToken> expected = {{'O', 1}, {'S', 1}, {'E', 1},
                                              {'O', 3}, {'S', 3}, {'E', 3}};
    EXPECT_EQ(TokensAt(layout, 130, 130), expected);
}

TEST(RailIndex, HighRailNumbersAreIndexed) {
    Layout layout;
    for (int n = 1; n <= 10001; ++n)
        layout.AppendRail() = Straight(n, 0, 0, 10);
    for (int n = 1; n < 10001; ++n)
        layout.Rails[n].Valid = false;
    RebuildRailIndex(layout);
    const std::vector<IndexToken> expected = {{'O', 10001}, {'S', 10001}, {'E', 10001}};
    EXPECT_EQ(TokensAt(layout, 5, 0), expected);
}

TEST(RailIndex, EveryRailDeletedLeavesAValidGrid) {
    Layout layout;
    layout.AppendRail() = Straight(1, 900, 900, 100);
    layout.AppendRail() = Straight(2, 1000, 900, 100);
    layout.Rails[1].Valid = false;
    layout.Rails[2].Valid = false;
    RebuildRailIndex(layout);
    EXPECT_GE(layout.Index.W, 0);
    EXPECT_GE(layout.Index.H, 0);
    EXPECT_TRUE(TokensAt(layout, 950, 900).empty());
}

TEST(RailIndex, FarAwayRailsOfADamagedFileDoNotExhaustMemory) {
    Layout layout;
    layout.AppendRail() = Straight(1, 0, 0, 10);
    layout.AppendRail() = Straight(2, 3.0e9f, -3.0e9f, 10);
    RebuildRailIndex(layout);
    EXPECT_LT(static_cast<double>(layout.Index.W + 1) * (layout.Index.H + 1), 2.0e6);
    EXPECT_FALSE(TokensAt(layout, 5, 0).empty());
}

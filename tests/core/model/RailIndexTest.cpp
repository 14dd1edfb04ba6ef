#include <gtest/gtest.h>

#include "core/values/model/Layout.h"
#include "core/values/model/RailIndex.h"

using namespace ferrovane::model;

namespace {

Rail Straight(int n, float x0, float y0, float x1, float y1) {
    Rail r;
    r.Valid = true;
    r.No = static_cast<std::int16_t>(n);
    r.Kind = KindStraight;
    r.X0 = x0;
    r.Y0 = y0;
    r.X1 = x1;
    r.Y1 = y1;
    r.MidX = (x0 + x1) / 2;
    r.MidY = (y0 + y1) / 2;
    r.C1X = r.C4X = x0;
    r.C2X = r.C3X = x1;
    r.C1Y = r.C2Y = y0 - 5;
    r.C3Y = r.C4Y = y1 + 5;
    UpdateCells(r);
    return r;
}

std::vector<IndexToken> TokensAt(const Layout& layout, float x, float y) {
    const auto* cell = layout.Index.At(static_cast<std::int64_t>(CellOf(x)) - layout.Index.OriginX,
                                       static_cast<std::int64_t>(CellOf(y)) - layout.Index.OriginY);
    return cell ? *cell : std::vector<IndexToken>{};
}

} // namespace

TEST(LayoutExtents, MinimumStartsAtOriginForOneRail) {
    Layout layout;
    layout.AppendRail() = Straight(1, 500, 500, 748, 500);
    EXPECT_EQ(GetLayoutExtents(layout), (Extents{-20, -20, 768, 525}));
}

TEST(RailIndex, TokensPerFeatureInRailOrder) {
    Layout layout;
    layout.AppendRail() = Straight(1, 110, 110, 150, 110);
    layout.AppendRail() = Straight(2, 150, 110, 190, 110);
    layout.Rails[2].Valid = false;
    layout.AppendRail() = Straight(3, 120, 120, 180, 120);
    RebuildRailIndex(layout);
    // Rail 2 is deleted: no tokens. Rails 1 and 3 in number order, letters O, S, E.
    const std::vector<IndexToken> expected = {{'O', 1}, {'S', 1}, {'E', 1},
                                              {'O', 3}, {'S', 3}, {'E', 3}};
    EXPECT_EQ(TokensAt(layout, 130, 130), expected);
}

TEST(RailIndex, HighRailNumbersAreIndexed) {
    Layout layout;
    for (int n = 1; n <= 10001; ++n)
        layout.AppendRail() = Straight(n, 0, 0, 10, 0);
    for (int n = 1; n < 10001; ++n)
        layout.Rails[n].Valid = false;
    RebuildRailIndex(layout);
    const std::vector<IndexToken> expected = {{'O', 10001}, {'S', 10001}, {'E', 10001}};
    EXPECT_EQ(TokensAt(layout, 5, 0), expected);
}

TEST(RailIndex, EveryRailDeletedLeavesAValidGrid) {
    Layout layout;
    layout.AppendRail() = Straight(1, 900, 900, 1000, 900);
    layout.AppendRail() = Straight(2, 1000, 900, 1100, 900);
    layout.Rails[1].Valid = false;
    layout.Rails[2].Valid = false;
    RebuildRailIndex(layout);
    EXPECT_GE(layout.Index.W, 0);
    EXPECT_GE(layout.Index.H, 0);
    EXPECT_TRUE(TokensAt(layout, 950, 900).empty());
}

TEST(RailIndex, FarAwayRailsOfADamagedFileDoNotExhaustMemory) {
    Layout layout;
    layout.AppendRail() = Straight(1, 0, 0, 10, 0);
    layout.AppendRail() = Straight(2, 3.0e9f, -3.0e9f, 3.0e9f, -3.0e9f);
    RebuildRailIndex(layout);
    EXPECT_LT(static_cast<double>(layout.Index.W + 1) * (layout.Index.H + 1), 2.0e6);
    EXPECT_FALSE(TokensAt(layout, 5, 0).empty());
}

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "core/compute/editor/IndexRemoval.h"
#include "core/compute/geometry/Joints.h"
#include "core/values/model/RailIndex.h"
#include "support/CatalogueFixtures.h"
#include "support/LayoutSnapshot.h"

namespace ferrovane::testing {
namespace {

// The storage of the index cell holding the layout cell (cellX, cellY).
const model::IndexToken* CellStorage(const model::RailIndex& index, float cellX, float cellY) {
    const auto* cell = index.At(static_cast<std::int64_t>(cellX) - index.OriginX,
                                static_cast<std::int64_t>(cellY) - index.OriginY);
    return cell ? cell->data() : nullptr;
}

class IndexGrowth : public ::testing::Test, protected CatalogueWorkspace {
protected:
    IndexGrowth() {
        // Rails 1 and 2 always rebuild; from rail 3 on the grid is kept up incrementally.
        PlaceFree(0, Straight248, 1000, 1000, 90);
        PlaceFree(0, Straight248, 1000, 1200, 90);
        PlaceFree(0, Straight100, 1100, 1100, 0);
    }
};

TEST_F(IndexGrowth, GrowsInEveryDirectionAsARebuildWould) {
    struct Case {
        float x, y, angle;
        bool left, up, right, down; // which bounds of the grid must move
    } cases[] = {
        {-2000, 1000, 90, true, false, false, false},
        {6000, 1050, 90, false, false, true, false},
        {1000, -2500, 0, false, true, false, false},
        {1020, 7000, 0, false, false, false, true},
        {-4000, -4000, 45, true, true, false, false},
        {9000, 9000, 225, false, false, true, true},
        {-6000, 12000, 135, true, false, false, true},
        {12000, -7000, 315, false, true, true, false},
    };
    for (const auto& c : cases) {
        const model::RailIndex before = Ws.Layout.Index;
        const auto* kept = CellStorage(Ws.Layout.Index, Rail(1).MidCellX, Rail(1).MidCellY);
        ASSERT_NE(kept, nullptr);
        ASSERT_GT(PlaceFree(0, Straight248, c.x, c.y, c.angle), 0) << c.x << ", " << c.y;
        const model::RailIndex& after = Ws.Layout.Index;
        EXPECT_EQ(after.OriginX < before.OriginX, c.left) << c.x << ", " << c.y;
        EXPECT_EQ(after.OriginY < before.OriginY, c.up) << c.x << ", " << c.y;
        EXPECT_EQ(after.OriginX + after.W > before.OriginX + before.W, c.right);
        EXPECT_EQ(after.OriginY + after.H > before.OriginY + before.H, c.down);
        EXPECT_TRUE(IndexIsRebuilt(Ws.Layout)) << c.x << ", " << c.y;
        // The old cells were moved into the wider grid, not built again.
        EXPECT_EQ(CellStorage(after, Rail(1).MidCellX, Rail(1).MidCellY), kept)
            << c.x << ", " << c.y;
    }
}

TEST_F(IndexGrowth, ChainsLeavingTheGridMatchARebuildAfterEveryRail) {
    // Chains of joined pieces heading out of the grid in eight directions, and random
    // free pieces over a widening area; growth happens at every few steps.
    std::mt19937 rng(77001);
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    int grown = 0;
    for (int heading = 0; heading < 8; ++heading) {
        int last = PlaceFree(0, Straight248, 1000, 1100, 45.0f * static_cast<float>(heading));
        ASSERT_GT(last, 0);
        for (int k = 0; k < 12; ++k) {
            const std::int32_t w = Ws.Layout.Index.W, h = Ws.Layout.Index.H;
            const std::int16_t kind = static_cast<std::int16_t>(pick(2));
            const int next = PlaceAt(kind, static_cast<std::int16_t>(pick(2)), last, 1, pick(2));
            if (next <= 0) break; // refused: the chain ends here
            last = next;
            if (Ws.Layout.Index.W != w || Ws.Layout.Index.H != h) ++grown;
            ASSERT_TRUE(IndexIsRebuilt(Ws.Layout)) << "heading " << heading << " piece " << k;
        }
    }
    for (int step = 0; step < 150; ++step) {
        const int reach = 1000 + 60 * step;
        PlaceFree(static_cast<std::int16_t>(pick(3)), static_cast<std::int16_t>(pick(2)),
                  static_cast<float>(1000 - reach + pick(2 * reach)),
                  static_cast<float>(1000 - reach + pick(2 * reach)),
                  static_cast<float>(pick(360)));
        ASSERT_TRUE(IndexIsRebuilt(Ws.Layout)) << "step " << step;
    }
    EXPECT_GT(grown, 20);
}

TEST_F(IndexGrowth, AFeatureLeftOutOfTheGridMakesGrowthRebuild) {
    // A damaged record whose middle cell lies far from its middle point: the rebuild
    // leaves that token out until a grid reaches the cell.
    Ws.Layout.Rails[2].MidCellX = 55;
    model::RebuildRailIndex(Ws.Layout);
    ASSERT_EQ(Ws.Layout.Index.SkippedOutside, 1);
    ASSERT_GT(PlaceFree(0, Straight248, 6000, 1000, 90), 0);
    EXPECT_TRUE(IndexIsRebuilt(Ws.Layout));
    EXPECT_EQ(Ws.Layout.Index.SkippedOutside, 0);
    const auto* cell =
        Ws.Layout.Index.At(55 - Ws.Layout.Index.OriginX,
                           static_cast<std::int64_t>(Rail(2).MidCellY) - Ws.Layout.Index.OriginY);
    ASSERT_NE(cell, nullptr);
    EXPECT_NE(std::find(cell->begin(), cell->end(), model::IndexToken{'O', 2}), cell->end());
}

TEST_F(IndexGrowth, DeletionsBeforeGrowthStillGiveARebuildsIndex) {
    // A deleted rail that set a bound leaves the grid wider than a rebuild would lay it:
    // growing on the other side cannot keep the old cells, growing past the old bound
    // can. An inner rail leaves the extents as they were.
    struct Case {
        float deleteX, deleteY; // where the rail to delete is laid first
        float growX, growY;     // then a rail that widens the grid
        bool kept;              // the old cells are moved, not built again
    } cases[] = {
        {8000, 1000, -3000, 1000, false}, {8000, 1000, 9500, 1000, true},
        {1050, 1100, 1000, 6000, true},   {1000, -4000, 1000, -6000, true},
        {1000, -4000, 1000, 9000, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << c.deleteX << ", " << c.deleteY << " then " << c.growX << ", " << c.growY);
        Ws.Layout = model::NewLayout();
        PlaceFree(0, Straight248, 1000, 1000, 90);
        PlaceFree(0, Straight248, 1000, 1200, 90);
        PlaceFree(0, Straight100, 1100, 1300, 0);
        const int doomed = PlaceFree(0, Straight100, c.deleteX, c.deleteY, 90);
        PlaceFree(0, Straight100, 1200, 1400, 0);
        ASSERT_GT(doomed, 0);
        geometry::RemoveRail(Ws.Layout, doomed);
        editor::RemoveRailFromIndex(Ws.Layout, doomed);
        const auto* storage = CellStorage(Ws.Layout.Index, Rail(1).MidCellX, Rail(1).MidCellY);
        ASSERT_GT(PlaceFree(0, Straight248, c.growX, c.growY, 90), 0);
        EXPECT_TRUE(IndexIsRebuilt(Ws.Layout));
        EXPECT_EQ(CellStorage(Ws.Layout.Index, Rail(1).MidCellX, Rail(1).MidCellY) == storage,
                  c.kept);
    }
}

} // namespace
} // namespace ferrovane::testing

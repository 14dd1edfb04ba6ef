#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "core/compute/render/TilePlan.h"
#include "core/values/model/Layout.h"
#include "support/RailBits.h"

namespace ferrovane::render {
namespace {

model::Rail Straight(float x, float y) {
    return testing::OutlinedStraight(x, y);
}

struct Fixture {
    model::Layout layout = model::NewLayout();
    app::Settings settings;
    BoardSnapshotPtr last;
    TilePlan plan{100};

    BoardSnapshotPtr Snap() {
        last = MakeBoardSnapshot(layout, settings, false, last.get());
        return last;
    }
    // Draws every job at once, as the workers would, one image 1000 bytes.
    int DrawAll(const PixelRect& visible, int margin = 0) {
        const auto jobs = plan.Request(visible, margin);
        for (const TileJob& job : jobs)
            plan.Arrive(job, 1000, visible);
        return static_cast<int>(jobs.size());
    }
};

bool Has(const std::vector<TileJob>& jobs, TileKey key) {
    return std::any_of(jobs.begin(), jobs.end(), [&](const TileJob& j) { return j.Key == key; });
}

TEST(TilePlanTest, VisibleTilesFirstThenTheMarginAndNothingTwice) {
    Fixture f;
    f.plan.Show(f.Snap(), 1);
    const PixelRect visible{50, 50, 100, 100}; // tiles (0..1, 0..1)
    const auto jobs = f.plan.Request(visible, 1);
    ASSERT_EQ(jobs.size(), 16u); // 4 visible and the 12 around them
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(jobs[static_cast<std::size_t>(i)].Area.Intersects(visible));
    EXPECT_TRUE(Has(jobs, {-1, -1}));
    EXPECT_EQ(f.plan.InFlight(), 16);
    // Asked again while they are being drawn: nothing new.
    EXPECT_TRUE(f.plan.Request(visible, 1).empty());
    EXPECT_FALSE(f.plan.Complete(visible));
    for (const TileJob& job : jobs)
        EXPECT_TRUE(f.plan.Arrive(job, 1000, visible).Keep);
    EXPECT_TRUE(f.plan.Complete(visible));
    EXPECT_EQ(f.plan.InFlight(), 0);
    EXPECT_TRUE(f.plan.Request(visible, 1).empty());
}

TEST(TilePlanTest, AChangeMakesStaleOnlyTheTilesItTouches) {
    Fixture f;
    f.layout.AppendRail() = Straight(20, 20); // in tile (0, 0) at 4 units per pixel
    f.plan.Show(f.Snap(), 4);
    const PixelRect visible{0, 0, 400, 400};
    EXPECT_EQ(f.DrawAll(visible), 16);

    // Moved to tile (2, 3): the tile it left and the one it entered, nothing else.
    f.layout.Rails[1] = Straight(850, 1250);
    f.plan.Show(f.Snap(), 4);
    EXPECT_FALSE(f.plan.Current({0, 0}));
    EXPECT_TRUE(f.plan.Has({0, 0})); // the old image stays shown meanwhile
    EXPECT_TRUE(f.plan.Current({1, 1}));
    const auto jobs = f.plan.Request(visible, 0);
    ASSERT_EQ(jobs.size(), 2u);
    EXPECT_TRUE(Has(jobs, {0, 0}));
    EXPECT_TRUE(Has(jobs, {2, 3}));

    // A grid switched on changes every tile.
    for (const TileJob& job : jobs)
        f.plan.Arrive(job, 1000, visible);
    f.last = MakeBoardSnapshot(f.layout, f.settings, true, f.last.get());
    f.plan.Show(f.last, 4);
    EXPECT_EQ(f.plan.Request(visible, 0).size(), 16u);
}

TEST(TilePlanTest, AnOlderDrawingNeverReplacesANewerOne) {
    Fixture f;
    f.layout.AppendRail() = Straight(20, 20);
    f.plan.Show(f.Snap(), 1);
    const PixelRect visible{0, 0, 100, 100};
    const auto first = f.plan.Request(visible, 0);
    ASSERT_EQ(first.size(), 1u);
    // Changed while the first drawing is under way: drawn again from the new snapshot.
    f.layout.Rails[1].Color = 5;
    f.plan.Show(f.Snap(), 1);
    const auto second = f.plan.Request(visible, 0);
    ASSERT_EQ(second.size(), 1u);
    EXPECT_GT(second[0].Snapshot->Serial, first[0].Snapshot->Serial);
    EXPECT_TRUE(f.plan.Arrive(second[0], 1000, visible).Keep);
    EXPECT_FALSE(f.plan.Arrive(first[0], 1000, visible).Keep);
    EXPECT_TRUE(f.plan.Complete(visible));
}

TEST(TilePlanTest, AnotherZoomStartsAfreshAndIgnoresLateTiles) {
    Fixture f;
    f.plan.Show(f.Snap(), 1);
    const PixelRect visible{0, 0, 100, 100};
    EXPECT_TRUE(f.plan.TakeDropAll());
    const auto jobs = f.plan.Request(visible, 0);
    f.plan.Show(f.last, 4);
    EXPECT_TRUE(f.plan.TakeDropAll());
    EXPECT_FALSE(f.plan.TakeDropAll());
    EXPECT_FALSE(f.plan.Arrive(jobs[0], 1000, visible).Keep);
    EXPECT_FALSE(f.plan.Has({0, 0}));
    const auto again = f.plan.Request(visible, 0);
    ASSERT_EQ(again.size(), 1u);
    EXPECT_EQ(again[0].Scale, 4);
}

TEST(TilePlanTest, AFittedGridFollowsTheWindowOfEachZoomButNotAScroll) {
    Fixture f;
    TilePlan plan; // fitted
    plan.Show(f.Snap(), 1);
    const PixelRect first{1000, 500, 900, 600};
    const auto jobs = plan.Request(first, 0);
    ASSERT_EQ(jobs.size(), static_cast<std::size_t>(FittedColumns * FittedRows));
    for (const TileJob& job : jobs)
        EXPECT_TRUE(first.Intersected(job.Area) == job.Area) << "no pixel beyond the window";
    for (const TileJob& job : jobs)
        plan.Arrive(job, 1000, first);
    EXPECT_TRUE(plan.Complete(first));
    // A scroll keeps the grid: the tiles drawn stay, the new ones join them.
    const TileGrid before = plan.Grid();
    const PixelRect scrolled{1000 + 300, 500, 900, 600}; // one column on
    EXPECT_EQ(plan.Request(scrolled, 0).size(), static_cast<std::size_t>(FittedRows));
    EXPECT_TRUE(plan.Grid() == before);
    // Another zoom fits the grid to the window it shows.
    plan.Show(f.last, 2);
    const PixelRect zoomed{333, 77, 900, 600};
    EXPECT_EQ(plan.Request(zoomed, 0).size(), static_cast<std::size_t>(FittedColumns * FittedRows));
    EXPECT_EQ(plan.Grid().Rect({0, 0}).X, 333);
    EXPECT_EQ(plan.Grid().Rect({0, 0}).Y, 77);
}

TEST(TilePlanTest, TheBudgetDropsTilesOutOfSightButNeverVisibleOnes) {
    Fixture f;
    TilePlan plan(100, 3000); // room for three images
    f.last = f.Snap();
    plan.Show(f.last, 1);
    const PixelRect left{0, 0, 100, 100};
    for (const TileJob& job : plan.Request(left, 0))
        plan.Arrive(job, 1000, left);
    // Scrolled to the right: four visible tiles do not fit, and all four stay.
    const PixelRect right{1050, 0, 100, 200};
    std::vector<TileKey> dropped;
    for (const TileJob& job : plan.Request(right, 0)) {
        const auto arrival = plan.Arrive(job, 1000, right);
        dropped.insert(dropped.end(), arrival.Drop.begin(), arrival.Drop.end());
    }
    EXPECT_EQ(dropped, std::vector<TileKey>({{0, 0}}));
    EXPECT_FALSE(plan.Has({0, 0}));
    EXPECT_TRUE(plan.Complete(right));
    EXPECT_EQ(plan.UsedBytes(), 4000);
}

} // namespace
} // namespace ferrovane::render

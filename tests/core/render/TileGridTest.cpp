#include <gtest/gtest.h>

#include <vector>

#include "core/compute/render/TileGrid.h"
#include "core/compute/render/TileLru.h"

namespace ferrovane::render {
namespace {

std::vector<TileKey> Keys(std::initializer_list<std::pair<int, int>> cr) {
    std::vector<TileKey> keys;
    for (auto [c, r] : cr)
        keys.push_back({c, r});
    return keys;
}

TEST(TileGridTest, TilesCoveringARectangle) {
    const TileGrid grid(100);
    struct Case {
        PixelRect rect;
        std::vector<TileKey> keys;
    };
    const Case cases[] = {
        {{0, 0, 100, 100}, Keys({{0, 0}})},
        {{0, 0, 101, 100}, Keys({{0, 0}, {1, 0}})},
        {{99, 99, 2, 2}, Keys({{0, 0}, {1, 0}, {0, 1}, {1, 1}})},
        // Past the board's top-left corner the grid goes on into negative tiles.
        {{-1, -100, 1, 1}, Keys({{-1, -1}})},
        {{-101, 0, 2, 1}, Keys({{-2, 0}, {-1, 0}})},
        {{250, 50, 0, 10}, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(grid.Covering(c.rect), c.keys) << c.rect.X << "," << c.rect.Y;
    }
    EXPECT_EQ(grid.Rect({-2, 3}), (PixelRect{-200, 300, 100, 100}));
}

TEST(TileGridTest, AFittedGridCutsTheWindowIntoWholeTilesFromItsCorner) {
    struct Case {
        PixelRect window;
        int columns, rows;
        int width, height;    // of a tile
        std::size_t covering; // tiles covering the window
    };
    const Case cases[] = {
        {{750, 750, 1920, 1080}, 3, 2, 640, 540, 6},
        {{-30, 7, 1921, 1080}, 3, 2, 641, 540, 6}, // rounded up: no sliver of a fourth
        {{0, 0, 300, 200}, 3, 2, MinFittedTile, MinFittedTile, 6},
        {{5, 5, 9000, 100}, 2, 1, MaxFittedTile, MinFittedTile, 5},
        {{0, 0, 0, 0}, 3, 2, MinFittedTile, MinFittedTile, 0},
    };
    for (const Case& c : cases) {
        const TileGrid grid = TileGrid::Fitted(c.window, c.columns, c.rows);
        EXPECT_EQ(grid.Width(), c.width) << c.window.W;
        EXPECT_EQ(grid.Height(), c.height) << c.window.W;
        const auto keys = grid.Covering(c.window);
        EXPECT_EQ(keys.size(), c.covering) << c.window.W;
        if (keys.empty()) continue;
        EXPECT_EQ(keys.front(), (TileKey{0, 0}));
        EXPECT_EQ(grid.Rect({0, 0}).X, c.window.X);
        EXPECT_EQ(grid.Rect({0, 0}).Y, c.window.Y);
    }
    // One screen further on lands on whole tiles again, and the grid goes on backwards.
    const TileGrid grid = TileGrid::Fitted({750, 750, 1920, 1080}, 3, 2);
    EXPECT_EQ(grid.Covering({750, 1830, 1920, 1080}).front(), (TileKey{0, 2}));
    EXPECT_EQ(grid.Covering({749, 749, 1, 1}), Keys({{-1, -1}}));
    EXPECT_EQ(grid.Rect({-1, 1}), (PixelRect{110, 1290, 640, 540}));
}

TEST(TileGridTest, PixelsOfALayoutBoxTakeInEveryTouchedPixelAndTheMargin) {
    DrawnBox box;
    box.Add(100, 50);
    box.Add(401, 50);
    // 4 units per pixel: 25 .. 100.25 -> pixels 25 .. 101, widened by 2 (and the end exclusive).
    EXPECT_EQ(PixelsOf(box, 4, 2), (PixelRect{23, 10, 81, 6}));
    EXPECT_EQ(PixelsOf(box, 1, 0), (PixelRect{100, 50, 302, 1}));
    box.Add(-7, -1);
    EXPECT_EQ(PixelsOf(box, 2, 0).X, -4);
    EXPECT_TRUE(PixelsOf(DrawnBox{}, 1, 5).Empty());
}

TEST(TileGridTest, RectangleUnionAndIntersection) {
    const PixelRect a{0, 0, 10, 10}, b{5, -5, 10, 10};
    EXPECT_EQ(a.United(b), (PixelRect{0, -5, 15, 15}));
    EXPECT_EQ(a.Intersected(b), (PixelRect{5, 0, 5, 5}));
    EXPECT_TRUE(a.Intersected({20, 20, 5, 5}).Empty());
    EXPECT_EQ(a.United({}), a);
    EXPECT_FALSE(a.Intersects({10, 0, 5, 5})); // edges touch, no pixel shared
}

TEST(TileLruTest, DropsTheLeastRecentlyUsedBeyondTheBudget) {
    TileLru lru(300);
    EXPECT_TRUE(lru.Put({0, 0}, 100).empty());
    EXPECT_TRUE(lru.Put({1, 0}, 100).empty());
    EXPECT_TRUE(lru.Put({2, 0}, 100).empty());
    lru.Touch({0, 0}); // now (1,0) is the oldest
    EXPECT_EQ(lru.Put({3, 0}, 100), Keys({{1, 0}}));
    EXPECT_EQ(lru.UsedBytes(), 300);
    // A larger image of a kept tile replaces its size and may push out two.
    EXPECT_EQ(lru.Put({3, 0}, 250), Keys({{2, 0}, {0, 0}}));
    EXPECT_EQ(lru.UsedBytes(), 250);
    lru.Erase({3, 0});
    EXPECT_EQ(lru.UsedBytes(), 0);
    EXPECT_EQ(lru.Count(), 0u);
}

TEST(TileLruTest, KeptTilesAreNeverDroppedEvenOverTheBudget) {
    TileLru lru(200);
    lru.Put({0, 0}, 100);
    lru.Put({1, 0}, 100);
    const auto keepAll = [](TileKey) { return true; };
    EXPECT_TRUE(lru.Put({2, 0}, 100, keepAll).empty());
    EXPECT_EQ(lru.UsedBytes(), 300);
    const auto keepFirst = [](TileKey k) { return k.Col == 0; };
    EXPECT_EQ(lru.Put({3, 0}, 100, keepFirst), Keys({{1, 0}, {2, 0}}));
    EXPECT_TRUE(lru.Contains({0, 0}));
    EXPECT_TRUE(lru.Contains({3, 0}));
}

TEST(TileLruTest, DefaultBudgetIs256Megabytes) {
    EXPECT_EQ(TileLru().Budget(), 160LL * 1024 * 1024);
}

} // namespace
} // namespace ferrovane::render

#include <gtest/gtest.h>

#include "core/compute/render/StandInTiles.h"

namespace ferrovane::render {
namespace {

TEST(StandInTilesTest, AnEarlierZoomsTileLiesOverTheSameStretchOfBoard) {
    // Where the tile lies at the new scale, and whether it shows part of this window.
    const PixelRect window{1000, 1000, 800, 600};
    struct Case {
        const char* what;
        PixelRect tile;
        float from, to;
        StretchedRect expected;
        bool standsIn;
    };
    const Case cases[] = {
        {"same scale, inside", {1024, 1024, 512, 512}, 1, 1, {1024, 1024, 512, 512}, true},
        {"same scale, touching the window's edge only",
         {1800, 1000, 512, 512},
         1,
         1,
         {1800, 1000, 512, 512},
         false},
        {"100 % to 25 %: a quarter, far away before",
         {4096, 4096, 512, 512},
         1,
         4,
         {1024, 1024, 128, 128},
         true},
        {"100 % to 25 %: inside before, beyond after",
         {1024, 1024, 512, 512},
         1,
         4,
         {256, 256, 128, 128},
         false},
        {"25 % to 100 %: four times", {256, 256, 512, 512}, 4, 1, {1024, 1024, 2048, 2048}, true},
        {"75 % to 50 %", {1536, 1536, 300, 300}, 4.0f / 3, 2, {1024, 1024, 200, 200}, true},
        {"left of the board", {-512, -512, 512, 512}, 1, 2, {-256, -256, 256, 256}, false},
        {"no scale counts as one", {2000, 2000, 10, 10}, 0, 2, {1000, 1000, 5, 5}, true},
        {"empty", {1024, 1024, 0, 512}, 1, 1, {1024, 1024, 0, 512}, false},
    };
    for (const Case& c : cases) {
        const StretchedRect r = Stretched(c.tile, c.from, c.to);
        EXPECT_NEAR(r.X, c.expected.X, 1e-3) << c.what;
        EXPECT_NEAR(r.Y, c.expected.Y, 1e-3) << c.what;
        EXPECT_NEAR(r.W, c.expected.W, 1e-3) << c.what;
        EXPECT_NEAR(r.H, c.expected.H, 1e-3) << c.what;
        EXPECT_EQ(StandsIn(c.tile, c.from, c.to, window), c.standsIn) << c.what;
    }
}

} // namespace
} // namespace ferrovane::render

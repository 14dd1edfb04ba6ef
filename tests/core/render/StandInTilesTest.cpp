#include <gtest/gtest.h>

#include "core/compute/render/StandInTiles.h"

namespace ferrovane::render {
namespace {

TEST(StandInTilesTest, AnEarlierZoomsTileLiesOverTheSameStretchOfBoard) {
    struct Case {
        const char* what;
        PixelRect tile;
        float from, to;
        StretchedRect expected;
    };
    const Case cases[] = {
        {"100 % to 25 %: a quarter", {512, 1024, 512, 512}, 1, 4, {128, 256, 128, 128}},
        {"25 % to 100 %: four times", {512, 0, 512, 512}, 4, 1, {2048, 0, 2048, 2048}},
        {"75 % to 50 %", {300, 0, 300, 300}, 4.0f / 3, 2, {200, 0, 200, 200}},
        {"left of the board", {-512, -512, 512, 512}, 1, 2, {-256, -256, 256, 256}},
        {"no scale counts as one", {10, 10, 10, 10}, 0, 2, {5, 5, 5, 5}},
    };
    for (const Case& c : cases) {
        const StretchedRect r = Stretched(c.tile, c.from, c.to);
        EXPECT_NEAR(r.X, c.expected.X, 1e-4) << c.what;
        EXPECT_NEAR(r.Y, c.expected.Y, 1e-4) << c.what;
        EXPECT_NEAR(r.W, c.expected.W, 1e-4) << c.what;
        EXPECT_NEAR(r.H, c.expected.H, 1e-4) << c.what;
    }
}

TEST(StandInTilesTest, OnlyTilesShowingPartOfTheWindowStandIn) {
    const PixelRect window{1000, 1000, 800, 600};
    struct Case {
        const char* what;
        PixelRect tile;
        float from, to;
        bool standsIn;
    };
    const Case cases[] = {
        {"inside at the same scale", {1024, 1024, 512, 512}, 1, 1, true},
        {"touches only the window's edge", {1800, 1000, 512, 512}, 1, 1, false},
        {"far away at 100 %, inside at 25 %", {4096, 4096, 512, 512}, 1, 4, true},
        {"inside at 100 %, beyond at 25 %", {1024, 1024, 512, 512}, 1, 4, false},
        {"empty", {1024, 1024, 0, 512}, 1, 1, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StandsIn(c.tile, c.from, c.to, window), c.standsIn) << c.what;
}

} // namespace
} // namespace ferrovane::render

#include <gtest/gtest.h>

#include "core/compute/geometry/FlexHitTest.h"
#include "core/compute/geometry/HitTest.h"

namespace ferrovane::geometry {
namespace {

// Start (100, 100), end (400, 100), control points (150, 100) and (350, 100); range 8.
FlexDef Shaped() {
    FlexDef def;
    def.StartX = 100, def.StartY = 100;
    def.EndX = 400, def.EndY = 100;
    def.Ctl1X = 150, def.Ctl1Y = 100;
    def.Ctl2X = 350, def.Ctl2Y = 100;
    return def;
}

TEST(DetectFlexControl, HandlesFirstThenEndsInsideAStrictWindow) {
    const struct {
        const char* what;
        float x, y;
        std::int16_t expected;
    } cases[] = {
        {"on the start handle", 150, 100, DetectStartHandle},
        {"just inside on both axes", 157.9f, 92.1f, DetectStartHandle},
        {"on the window's edge", 158, 100, DetectNothing},
        {"past the edge in y", 150, 108, DetectNothing},
        {"on the end handle", 345, 104, DetectEndHandle},
        {"on the start point", 103, 97, DetectStartPoint},
        {"on the end point", 400, 100, DetectEndPoint},
        {"between", 250, 100, DetectNothing},
    };
    const FlexDef def = Shaped();
    for (const auto& c : cases)
        EXPECT_EQ(DetectFlexControl(def, c.x, c.y, 8), c.expected) << c.what;
}

TEST(DetectFlexControl, OverlapsGoToTheHandlesAndTheStartFirst) {
    FlexDef def = Shaped();
    // A handle dragged back onto its end is still grabbed there.
    def.Ctl1X = def.StartX + 2;
    EXPECT_EQ(DetectFlexControl(def, 100, 100, 8), DetectStartHandle);
    // Both control points under the pointer: the start handle wins.
    def.Ctl2X = def.Ctl1X + 3, def.Ctl2Y = def.Ctl1Y;
    EXPECT_EQ(DetectFlexControl(def, def.Ctl2X, def.Ctl2Y, 8), DetectStartHandle);
    // End handle on the start point: the end handle wins over the point.
    def = Shaped();
    def.Ctl2X = def.StartX, def.Ctl2Y = def.StartY;
    EXPECT_EQ(DetectFlexControl(def, 100, 100, 8), DetectEndHandle);
    // Start and end on one point: the start is reported.
    def = Shaped();
    def.EndX = def.StartX, def.EndY = def.StartY;
    EXPECT_EQ(DetectFlexControl(def, 100, 100, 8), DetectStartPoint);
    // The range follows the setting.
    EXPECT_EQ(DetectFlexControl(Shaped(), 170, 100, 8), DetectNothing);
    EXPECT_EQ(DetectFlexControl(Shaped(), 170, 100, 25), DetectStartHandle);
}

} // namespace
} // namespace ferrovane::geometry

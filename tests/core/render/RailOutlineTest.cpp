#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/compute/render/RailOutline.h"
#include "core/render/RecordingSurface.h"

namespace ferrovane::render {
namespace {

struct Fixture {
    std::vector<model::Rail> rails = std::vector<model::Rail>(2);
    app::Settings settings;
    DrawContext Context(ViewOrigin origin = {}) const {
        return DrawContext{rails, settings, origin, false};
    }
    model::Rail& Rail(std::uint8_t kind) {
        rails[1].Valid = true;
        rails[1].Kind = kind;
        return rails[1];
    }
};

void ExpectPoint(model::Point p, float x, float y) {
    EXPECT_NEAR(p.X, x, 1e-3);
    EXPECT_NEAR(p.Y, y, 1e-3);
}

TEST(RailOutlineTest, StraightIsItsCornerQuadrilateralShiftedByOrigin) {
    for (std::uint8_t kind : {0, 50, 60}) {
        Fixture f;
        model::Rail& r = f.Rail(kind);
        r.C1X = 10, r.C1Y = 20, r.C2X = 10, r.C2Y = 30, r.C3X = 110, r.C3Y = 30, r.C4X = 110,
        r.C4Y = 20;
        const auto region = RailOutline(f.Context({10, 10}), 1);
        ASSERT_EQ(region.size(), 1u);
        ASSERT_EQ(region[0].size(), 4u);
        ExpectPoint(region[0][0].To, 0, 10);
        ExpectPoint(region[0][1].To, 0, 20);
        ExpectPoint(region[0][2].To, 100, 20);
        ExpectPoint(region[0][3].To, 100, 10);
    }
}

TEST(RailOutlineTest, CurveIsTheAnnularSectorOverTheDrawnAngles) {
    struct Case {
        int dir;
        float start, sweep;
        float wantStart, wantSweep;
    };
    const Case cases[] = {
        {0, 0.5f, 0.25f, 0.5f, 0.25f}, {255, 3.3f, 0.5f, 5.9415926f, 0.5f}, // through angle 0
    };
    for (const Case& c : cases) {
        Fixture f;
        model::Rail& r = f.Rail(1);
        r.CenterX = 100, r.CenterY = 200, r.Radius = 50, r.Dir = static_cast<std::uint8_t>(c.dir);
        r.ArcStart = c.start, r.ArcSweep = c.sweep;
        const auto region = RailOutline(f.Context(), 1);
        ASSERT_EQ(region.size(), 1u);
        ASSERT_EQ(region[0].size(), 2u);
        const ContourStep& outer = region[0][0];
        const ContourStep& inner = region[0][1];
        EXPECT_TRUE(outer.IsArc && inner.IsArc);
        EXPECT_FLOAT_EQ(outer.Radius, 55);
        EXPECT_FLOAT_EQ(inner.Radius, 45);
        EXPECT_NEAR(outer.Start, c.wantStart, 1e-5);
        EXPECT_NEAR(outer.Sweep, c.wantSweep, 1e-5);
        // The inner edge runs back from the end to the start.
        EXPECT_NEAR(std::fmod(inner.Start, 6.2831853),
                    std::fmod(c.wantStart + c.wantSweep, 6.2831853), 1e-5);
        EXPECT_NEAR(inner.Sweep, -c.wantSweep, 1e-5);
        ExpectPoint(outer.Centre, 100, 200);
    }
    Fixture none;
    none.Rail(1).Dir = 3;
    EXPECT_TRUE(RailOutline(none.Context(), 1).empty());
}

TEST(RailOutlineTest, PointThroughTrackCurvedPointBothTracksFlexBandTextNothing) {
    Fixture point;
    model::Rail& p = point.Rail(2);
    p.C1X = 1, p.C2X = 2, p.C3X = 3, p.C4X = 4, p.Dir = 3, p.Radius = 100, p.ArcSweep = 0.3f;
    auto region = RailOutline(point.Context(), 1);
    ASSERT_EQ(region.size(), 1u);
    EXPECT_FALSE(region[0][0].IsArc);
    ExpectPoint(region[0][3].To, 4, 0);

    Fixture curved;
    model::Rail& cp = curved.Rail(2);
    cp.Dir = 100, cp.Radius = 200, cp.Length = 20, cp.ArcStart = 0, cp.ArcSweep = 0.5f;
    region = RailOutline(curved.Context(), 1);
    ASSERT_EQ(region.size(), 2u);
    ExpectPoint(region[0][0].Centre, 0, 0);
    ExpectPoint(region[1][0].Centre, 0, -20);

    Fixture flex;
    model::Rail& fx = flex.Rail(3);
    fx.X0 = 0, fx.C1X = 10, fx.C2X = 20, fx.X1 = 30;
    flex.settings.FlexibleDivides = 3;
    region = RailOutline(flex.Context(), 1);
    ASSERT_EQ(region.size(), 3u);
    ExpectPoint(region[1][0].To, 10, 5);
    ExpectPoint(region[1][1].To, 20, 5);
    ExpectPoint(region[1][2].To, 20, -5);
    ExpectPoint(region[1][3].To, 10, -5);

    Fixture text;
    text.Rail(100).Name = "Arial hello";
    EXPECT_TRUE(RailOutline(text.Context(), 1).empty());
    testing::RecordingSurface s;
    FillRail(text.Context(), 1, 5, s);
    EXPECT_TRUE(s.Calls.empty());
}

TEST(RailOutlineTest, FillRailPaintsTheOutlineInTheGivenColour) {
    Fixture f;
    model::Rail& r = f.Rail(0);
    r.C2Y = 10, r.C3X = 100, r.C3Y = 10, r.C4X = 100;
    testing::RecordingSurface s;
    FillRail(f.Context(), 1, 0xFF0000, s);
    EXPECT_EQ(s.Calls, std::vector<std::string>{"F 1 #16711680"});
    f.rails[1].Valid = false;
    FillRail(f.Context(), 1, 0xFF0000, s);
    EXPECT_EQ(s.Calls.size(), 1u);
}

} // namespace
} // namespace ferrovane::render

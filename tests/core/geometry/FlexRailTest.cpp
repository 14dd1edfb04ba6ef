#include <gtest/gtest.h>

#include <cmath>

#include "core/commands/edit/PerformUndo.h"
#include "core/commands/placement/FlexRail.h"
#include "core/compute/geometry/FlexGeometry.h"
#include "support/CatalogueFixtures.h"
#include "support/LayoutSnapshot.h"
#include "support/LinkInvariant.h"
#include "support/Tolerance.h"

namespace ferrovane::geometry {
namespace {

using testing::CatalogueWorkspace;
using testing::NearPoint;

TEST(TanDeg, ExactValuesRoundingAndTheOddNinety) {
    struct Case {
        float v, expected;
    };
    const Case cases[] = {
        {0, 0}, // 360 mod 180
        {180, 0},
        {30, static_cast<float>(1 / 1.7320508)},
        {210, static_cast<float>(1 / 1.7320508)},
        {45, 1},
        {60, 1.7320508f},
        {90, -1}, // not infinite
        {270, -1},
        {44.6f, 1}, // rounded to 45 first
    };
    for (const Case& c : cases)
        EXPECT_FLOAT_EQ(TanDeg(c.v), c.expected) << c.v;
    EXPECT_NEAR(TanDeg(-45), -1.00014f, 1e-5f); // the rounded pi
    EXPECT_EQ(TanDeg(std::nanf("")), 0);
}

TEST(FlexControlPoint, LiesAwayFromTheJoinedRail) {
    struct Case {
        float a, hx, hy;
        FlexPoint expected;
    };
    // End at (100, 200).
    const Case cases[] = {
        {360, 50, 80, {100, 120}},
        {0, 50, 80, {100, 120}},
        {90, 50, 80, {50, 200}},
        {180, 50, 80, {100, 280}},
        {270, 50, 80, {150, 200}},
        {135, 50, 80, {50, 250.007f}}, // only the x distance counts off the axes
        {45, 50, 80, {50, 150}},
        {315, 50, 80, {150, 149.993f}}, // tan of 135 x 3.1415 / 180
        {225, 50, 80, {150, 250}},
        {-90, 50, 80, {150, 200}}, // normalised to 270
    };
    for (const Case& c : cases) {
        const FlexPoint p = FlexControlPoint(100, 200, c.a, c.hx, c.hy);
        EXPECT_TRUE(NearPoint(p.X, p.Y, c.expected.X, c.expected.Y, 0.001f)) << c.a;
    }
}

TEST(FlexCenterLine, RunsFromStartToEndInTheGivenSegments) {
    const auto line = FlexCenterLine({0, 0}, {100, 0}, {200, 0}, {300, 0}, 3);
    ASSERT_EQ(line.size(), 4u);
    EXPECT_EQ(line.front(), (FlexPoint{0, 0}));
    EXPECT_EQ(line.back(), (FlexPoint{300, 0}));
    EXPECT_TRUE(NearPoint(line[1].X, line[1].Y, 100, 0, 1e-3f));
    EXPECT_EQ(FlexCenterLine({0, 0}, {1, 1}, {2, 2}, {3, 3}, 0).size(), 2u);
    // The curve's middle for a symmetric hump.
    const auto hump = FlexCenterLine({0, 0}, {0, 100}, {100, 100}, {100, 0}, 2);
    EXPECT_TRUE(NearPoint(hump[1].X, hump[1].Y, 50, 75, 1e-3f));
}

TEST(MakeFlexPreview, DescribesControlLinesHandlesAndCurve) {
    FlexDef def;
    def.StartX = 0, def.StartY = 0, def.StartAngle = 90;
    def.EndX = -300, def.EndY = 0, def.EndAngle = 270;
    const FlexPreviewShape shape = MakeFlexPreview(def, 5, 255, true, 10);
    EXPECT_EQ(def.Ctl1X, -50);
    EXPECT_EQ(def.Ctl2X, -250);
    EXPECT_EQ(shape.Ctl1, (FlexPoint{-50, 0}));
    EXPECT_EQ(shape.HandleRadius, 2.5f);
    EXPECT_EQ(shape.HalfWidth, 5);
    EXPECT_EQ(shape.PenWidth, 3);
    EXPECT_EQ(shape.Color, 255);
    EXPECT_EQ(shape.CenterLine.size(), 11u);
}

// A straight from (1000, 1000) to (752, 1000): end 0 angle 270, end 1 angle 90.
struct FlexFixture : CatalogueWorkspace {
    FlexFixture() { PlaceFree(0, 0, 1000, 1000, 90); }
};

TEST(CreateFlexRail, JoinsBothEndsOfAStraight) {
    FlexFixture t;
    t.Ws.Settings.RailColor = 4242;
    OpenFlexRail(t.Ws);
    EXPECT_EQ(t.Ws.Editor.AStatus, model::EditorMode::FlexChoosingStart);
    ASSERT_TRUE(RecordFlexSideAtEnd(t.Ws, FlexSide::Start, 1, 0));
    ASSERT_TRUE(RecordFlexSideAtEnd(t.Ws, FlexSide::End, 1, 1));
    EnterFlexShaping(t.Ws);
    EXPECT_EQ(t.Ws.Editor.AStatus, model::EditorMode::FlexShaping);
    const auto before = testing::Snapshot(t.Layout());
    ASSERT_TRUE(CreateFlexRail(t.Ws));
    const model::Rail& f = t.Rail(2);
    EXPECT_EQ(f.Kind, model::KindFlexible);
    EXPECT_EQ(f.Name, "フレキシブルレール");
    EXPECT_EQ(f.No, 2);
    EXPECT_EQ(f.Angle0, 90);  // 270 + 180
    EXPECT_EQ(f.Angle1, 270); // 90 + 180
    EXPECT_EQ(f.C1X, 1050);   // leaves end 0 straight out of the rail
    EXPECT_EQ(f.C2X, 702);
    EXPECT_EQ(f.C3X, 50);
    EXPECT_EQ(f.C4Y, 50);
    EXPECT_EQ(f.MidX, 876);
    EXPECT_EQ(f.Color, 4242);
    EXPECT_EQ(f.Cell0X, 10);
    EXPECT_EQ(f.Cell1X, 7);
    EXPECT_TRUE(testing::LinksConsistent(t.Layout()));
    EXPECT_EQ(t.Rail(1).Link0, 2);
    EXPECT_EQ(t.Rail(1).LinkEnd1, 1);
    EXPECT_EQ(t.Ws.Editor.AStatus, model::EditorMode::Place);
    EXPECT_TRUE(t.Layout().Modified);
    editor::UndoCommand(t.Ws);
    testing::ExpectRestored(before, t.Layout());
}

TEST(CreateFlexRail, FreePointsJoinNothing) {
    CatalogueWorkspace t;
    t.Ws.Editor.IsUpperMode = true;
    RecordFlexSideFree(t.Ws, FlexSide::Start, 100, 100, 90);
    RecordFlexSideFree(t.Ws, FlexSide::End, 900, 100, 270);
    EXPECT_EQ(t.Ws.Editor.FlexStartRail, 0);
    EnterFlexShaping(t.Ws);
    ASSERT_TRUE(CreateFlexRail(t.Ws));
    EXPECT_TRUE(t.Rail(1).Free0);
    EXPECT_TRUE(t.Rail(1).Free1);
    EXPECT_EQ(t.Rail(1).Link0, 0);
    EXPECT_TRUE(t.Rail(1).Upper);
    EXPECT_EQ(t.Rail(1).C1X, 50); // angle 90: handle x to the left
}

TEST(CreateFlexRail, RefusesJoinedEndsTheSameEndTwiceAndAFullLayout) {
    FlexFixture t;
    t.PlaceAt(0, 0, 1, 1);
    const auto before = testing::Snapshot(t.Layout());
    // End 1 of rail 1 is joined already.
    RecordFlexSideAtEnd(t.Ws, FlexSide::Start, 1, 1);
    RecordFlexSideFree(t.Ws, FlexSide::End, 0, 0, 90);
    EXPECT_FALSE(CreateFlexRail(t.Ws));
    // Both sides on one end.
    RecordFlexSideAtEnd(t.Ws, FlexSide::Start, 1, 0);
    RecordFlexSideAtEnd(t.Ws, FlexSide::End, 1, 0);
    EXPECT_FALSE(CreateFlexRail(t.Ws));
    // A rail deleted since its end was chosen.
    RecordFlexSideAtEnd(t.Ws, FlexSide::End, 2, 1);
    t.Rail(2).Valid = false;
    EXPECT_FALSE(CreateFlexRail(t.Ws));
    t.Rail(2).Valid = true;
    testing::ExpectRestored(before, t.Layout());
    EXPECT_FALSE(RecordFlexSideAtEnd(t.Ws, FlexSide::End, 1, 2)) << "a straight has no end 2";
    EXPECT_FALSE(RecordFlexSideAtEnd(t.Ws, FlexSide::End, 9, 0));

    RecordFlexSideFree(t.Ws, FlexSide::End, 0, 0, 90);
    t.Layout().RailCount = model::MaxRailCount;
    t.Layout().Rails.resize(model::MaxRailCount + 1);
    EXPECT_FALSE(CreateFlexRail(t.Ws));
    ASSERT_EQ(t.Host.Messages.size(), 1u);
    EXPECT_EQ(t.Host.Messages[0].Title, "警告");
}

TEST(SetFlexEnd, TakesTheEndUnderThePointerOrAsksForADirection) {
    FlexFixture t;
    OpenFlexRail(t.Ws);
    t.SnapTo(1, 1);
    t.Ws.Editor.MouseX += 3; // within the detection window
    int asked = 0;
    const FlexAnglePicker never = [&] {
        ++asked;
        return std::optional<float>();
    };
    ASSERT_TRUE(SetFlexEnd(t.Ws, never));
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(t.Ws.Editor.AStatus, model::EditorMode::FlexChoosingEnd);
    EXPECT_EQ(t.Ws.Editor.FlexStartRail, 1);
    EXPECT_EQ(t.Ws.Editor.FlexDef.StartX, 752);
    EXPECT_EQ(t.Ws.Editor.FlexDef.StartAngle, 90);
    EXPECT_EQ(t.Ws.Editor.FlexDef.StartLinkEnd, 1);

    // Empty board: the direction is asked for; closing without a pick keeps the step.
    t.Ws.Editor.MouseX = 400.4f;
    t.Ws.Editor.MouseY = 300.6f;
    t.Ws.Editor.MouseCellX = 4;
    t.Ws.Editor.MouseCellY = 3;
    EXPECT_EQ(FlexPointerText(t.Ws), "ユーザー指定 : (400,301)");
    EXPECT_FALSE(SetFlexRail(t.Ws, never));
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(t.Ws.Editor.AStatus, model::EditorMode::FlexChoosingEnd);
    ASSERT_TRUE(SetFlexRail(t.Ws, [] { return std::optional<float>(135); }));
    EXPECT_EQ(t.Ws.Editor.AStatus, model::EditorMode::FlexShaping);
    EXPECT_EQ(t.Ws.Editor.FlexEndRail, 0);
    EXPECT_EQ(t.Ws.Editor.FlexDef.EndAngle, 135);

    // Dragging the end handle sets its distances from the end.
    t.Ws.Editor.MouseX = 380.4f;
    t.Ws.Editor.MouseY = 350.6f;
    DragFlexHandle(t.Ws, FlexSide::End);
    EXPECT_NEAR(t.Ws.Editor.FlexDef.Handle2X, 20, 1e-3);
    EXPECT_NEAR(t.Ws.Editor.FlexDef.Handle2Y, 50, 1e-3);
    EXPECT_NEAR(t.Ws.Editor.FlexDef.Ctl2X, 380.4f, 1e-3);
}

} // namespace
} // namespace ferrovane::geometry

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "core/compute/render/BoardSnapshot.h"
#include "core/compute/render/BoundsSurface.h"
#include "core/values/model/Layout.h"
#include "support/RailBits.h"

namespace ferrovane::render {
namespace {

constexpr float Pi = std::numbers::pi_v<float>;

DrawnBox Box(float x0, float y0, float x1, float y1) {
    DrawnBox b;
    b.Add(x0, y0);
    b.Add(x1, y1);
    return b;
}

void ExpectNear(const DrawnBox& a, const DrawnBox& b) {
    EXPECT_NEAR(a.MinX, b.MinX, 1e-3);
    EXPECT_NEAR(a.MinY, b.MinY, 1e-3);
    EXPECT_NEAR(a.MaxX, b.MaxX, 1e-3);
    EXPECT_NEAR(a.MaxY, b.MaxY, 1e-3);
}

TEST(BoundsSurfaceTest, ArcsCountOnlyTheQuartersTheirSweepPasses) {
    struct Case {
        float start, end;
        DrawnBox box;
    };
    // Radius 10 about (100, 100); y points down, so angle 90 degrees is at y = 90.
    const Case cases[] = {
        {0, Pi / 2, Box(100, 90, 110, 100)},
        {Pi / 4, Pi / 2, Box(100, 90, 100 + 10 * std::cos(Pi / 4), 100 - 10 * std::sin(Pi / 4))},
        // Through 0 when the start is larger than the end.
        {3 * Pi / 2, Pi / 2, Box(100, 90, 110, 110)},
        {Pi / 2, 3 * Pi / 2, Box(90, 90, 100, 110)},
        // Equal angles: the full circle.
        {1, 1, Box(90, 90, 110, 110)},
    };
    for (const Case& c : cases) {
        BoundsSurface s;
        s.Arc({100, 100}, 10, 0, c.start, c.end);
        ExpectNear(s.Box, c.box);
    }
}

TEST(BoundsSurfaceTest, LinesFillsAndTextAddUp) {
    BoundsSurface s;
    EXPECT_TRUE(s.Box.Empty());
    s.Line({10, 20}, {30, 5}, 0);
    EXPECT_EQ(s.Box, Box(10, 5, 30, 20));
    ContourStep arc;
    arc.IsArc = true;
    arc.Centre = {0, 0};
    arc.Radius = 5;
    arc.Start = 0;
    arc.Sweep = -Pi / 2; // clockwise as seen: down to y = 5
    s.Fill({{arc}}, 0);
    ExpectNear(s.Box, Box(0, 0, 30, 20));
    // Text: room for every character at twice its point size, and around it.
    s.SetFont(Font{"x", 10});
    s.CurrentX = 100;
    s.CurrentY = 100;
    s.Print("ab");
    EXPECT_GE(s.Box.MaxX, 140);
    EXPECT_GE(s.Box.MaxY, 120);
}

model::Rail Straight(float x, float y, bool upper = false) {
    return testing::OutlinedStraight(x, y, upper, 0xAA);
}

model::Layout LayoutOf(const std::vector<model::Rail>& rails) {
    model::Layout layout = model::NewLayout();
    for (const model::Rail& r : rails)
        layout.AppendRail() = r;
    return layout;
}

TEST(BoardSnapshotTest, TakesTheBoardWithoutThePreviewAndMeasuresEachRail) {
    model::Layout layout = LayoutOf({Straight(100, 100), Straight(500, 300, true)});
    layout.Rails[0] = Straight(0, 0); // a preview
    layout.Rails[2].Valid = false;
    app::Settings settings;
    const BoardSnapshotPtr s = MakeBoardSnapshot(layout, settings, false);
    ASSERT_EQ(s->LastRail(), 2);
    EXPECT_FALSE(s->Rails[0].Valid);
    EXPECT_FALSE(s->IsGrid);
    EXPECT_EQ(s->LayoutWidth, 2000);
    EXPECT_FALSE(s->RailBoxes[1].Empty());
    EXPECT_LE(s->RailBoxes[1].MinX, 100);
    EXPECT_GE(s->RailBoxes[1].MaxX, 200);
    EXPECT_TRUE(s->RailBoxes[2].Empty()); // deleted rails draw nothing
    EXPECT_EQ(s->MaxPenWidth, 1);         // the elevated one is deleted
    const BoardSnapshotPtr later = MakeBoardSnapshot(layout, settings, false, s.get());
    EXPECT_GT(later->Serial, s->Serial);
}

TEST(BoardSnapshotTest, ComparingFindsWhereRailsWereAndAre) {
    const model::Layout before = LayoutOf({Straight(100, 100), Straight(500, 100)});
    app::Settings settings;
    const BoardSnapshotPtr a = MakeBoardSnapshot(before, settings, true);
    const DrawnBox first = a->RailBoxes[1], second = a->RailBoxes[2];

    struct Case {
        std::string what;
        void (*edit)(model::Layout&, app::Settings&, bool&);
        bool everything;
        int areas;
    };
    const Case cases[] = {
        {"nothing", [](model::Layout&, app::Settings&, bool&) {}, false, 0},
        {"placed",
         [](model::Layout& l, app::Settings&, bool&) { l.AppendRail() = Straight(900, 900); },
         false, 1},
        {"deleted", [](model::Layout& l, app::Settings&, bool&) { l.Rails[2].Valid = false; },
         false, 1},
        {"moved", [](model::Layout& l, app::Settings&, bool&) { l.Rails[1] = Straight(100, 700); },
         false, 2},
        {"recoloured", [](model::Layout& l, app::Settings&, bool&) { l.Rails[2].Color = 1; }, false,
         2},
        {"board size", [](model::Layout& l, app::Settings&, bool&) { l.LayoutWidth = 3000; }, true,
         0},
        {"grid", [](model::Layout&, app::Settings&, bool& grid) { grid = false; }, true, 0},
        {"smoothing", [](model::Layout&, app::Settings& s, bool&) { s.SmoothDisplay = false; },
         true, 0},
        {"grid colour", [](model::Layout&, app::Settings& s, bool&) { s.GridColor = 1; }, true, 0},
        {"a setting the board does not show",
         [](model::Layout&, app::Settings& s, bool&) { s.ZoomPosition = 3; }, false, 0},
    };
    for (const Case& c : cases) {
        model::Layout layout = before;
        app::Settings changed = settings;
        bool grid = true;
        c.edit(layout, changed, grid);
        const BoardSnapshotPtr b = MakeBoardSnapshot(layout, changed, grid, a.get());
        const BoardChange change = CompareSnapshots(*a, *b);
        EXPECT_EQ(change.Everything, c.everything) << c.what;
        EXPECT_EQ(static_cast<int>(change.Areas.size()), c.areas) << c.what;
    }
    // A moved rail is redrawn where it was and where it is now.
    model::Layout moved = before;
    moved.Rails[1] = Straight(100, 700);
    const BoardSnapshotPtr b = MakeBoardSnapshot(moved, settings, true, a.get());
    const BoardChange change = CompareSnapshots(*a, *b);
    ASSERT_EQ(change.Areas.size(), 2u);
    EXPECT_EQ(change.Areas[0], first);
    EXPECT_EQ(change.Areas[1], b->RailBoxes[1]);
    EXPECT_EQ(b->RailBoxes[2], second); // taken over, not measured again
    // Undoing is one more change: back to the first picture's box.
    const BoardSnapshotPtr undone = MakeBoardSnapshot(before, settings, true, b.get());
    EXPECT_EQ(CompareSnapshots(*b, *undone).Areas.size(), 2u);
    EXPECT_EQ(undone->RailBoxes[1], first);
}

} // namespace
} // namespace ferrovane::render

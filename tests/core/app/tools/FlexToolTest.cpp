#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/app/tools/FlexTool.h"
#include "core/app/tools/ToolBoard.h"
#include "core/commands/edit/PerformUndo.h"
#include "core/commands/placement/FlexRail.h"
#include "core/compute/geometry/FlexHitTest.h"
#include "core/values/model/Angle.h"
#include "support/LayoutSnapshot.h"
#include "support/LinkInvariant.h"
#include "support/Tolerance.h"

namespace ferrovane::editor {
namespace {

using testing::NearPoint;

class RecordingFlexView : public FlexToolView {
public:
    void ShowStep(int step, const std::string& instruction) override {
        Steps.push_back(step);
        Instructions.push_back(instruction);
    }
    void ShowRailNumber(const std::string& text) override { RailNumbers.push_back(text); }
    std::optional<float> PickAngle() override {
        ++Picks;
        if (Angles.empty()) return std::nullopt;
        const auto angle = Angles.front();
        Angles.pop_front();
        return angle;
    }

    std::vector<int> Steps;
    std::vector<std::string> Instructions, RailNumbers;
    std::deque<std::optional<float>> Angles;
    int Picks = 0;
};

// Two straights laid apart, free at both ends: rail 1 from (1000, 1000) to (752, 1000)
// (end 0 angle 270, end 1 angle 90) and rail 2 from (2000, 1300) to (1752, 1300). The
// flexible rail is laid from end 0 of rail 1 to end 1 of rail 2.
struct FlexBoard : testing::ToolBoard {
    FlexBoard() {
        PlaceFree(0, 0, 1000, 1000, 90);
        PlaceFree(0, 0, 2000, 1300, 90);
        Ws.Undo.Clear();
        Layout().Modified = false;
        Redraw.BackScreenRails.clear();
    }
    const geometry::FlexDef& Def() const { return Ws.Editor.FlexDef; }
    EditorMode Mode() const { return Ws.Editor.AStatus; }
    void ToShaping() {
        Tool.Open();
        ClickEnd(1, 0);
        ClickEnd(2, 1);
    }

    RecordingFlexView FlexView;
    FlexTool Tool{Board, FlexView};
};

TEST(FlexTool, StepsByClicksLayOneRailJoinedToBothNeighbours) {
    FlexBoard t;
    t.Ws.Settings.RailColor = 4242;
    t.Tool.Open();
    EXPECT_EQ(t.Mode(), EditorMode::FlexChoosingStart);
    EXPECT_EQ(t.FlexView.Instructions.back(), FlexStep1Text());
    t.HoverEnd(1, 0);
    EXPECT_EQ(t.FlexView.RailNumbers.back(), "1");
    t.ClickEnd(1, 0);
    EXPECT_EQ(t.Mode(), EditorMode::FlexChoosingEnd);
    EXPECT_EQ(t.FlexView.Steps, (std::vector<int>{1, 2}));
    EXPECT_EQ(t.FlexView.Instructions.back(), FlexStep2Text());
    t.HoverEnd(2, 1);
    EXPECT_EQ(t.FlexView.RailNumbers.back(), "2");
    t.ClickEnd(2, 1);
    EXPECT_EQ(t.Mode(), EditorMode::FlexShaping);
    EXPECT_EQ(t.FlexView.Steps, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(t.FlexView.Instructions.back(), FlexStep3Text());
    EXPECT_EQ(t.FlexView.Picks, 0) << "rail ends need no typed angle";
    // Each control point leaves its end away from the joined rail.
    EXPECT_TRUE(NearPoint(t.Def().Ctl1X, t.Def().Ctl1Y, 1050, 1000));
    EXPECT_TRUE(NearPoint(t.Def().Ctl2X, t.Def().Ctl2Y, 1702, 1300));
    EXPECT_EQ(t.Layout().RailCount, 2) << "nothing is laid before OK";

    const auto before = testing::Snapshot(t.Layout());
    ASSERT_TRUE(t.Tool.Ok());
    ASSERT_EQ(t.Layout().RailCount, 3);
    const model::Rail& f = t.Rail(3);
    EXPECT_TRUE(f.Valid);
    EXPECT_EQ(f.Kind, model::KindFlexible);
    EXPECT_EQ(f.Color, 4242);
    EXPECT_TRUE(NearPoint(f.X0, f.Y0, 1000, 1000));
    EXPECT_TRUE(NearPoint(f.X1, f.Y1, 1752, 1300));
    // Facing the ends it joins (270 and 90), and joined both ways: the back links are
    // what LinksConsistent checks.
    EXPECT_EQ(f.Angle0, 90);
    EXPECT_EQ(f.Angle1, 270);
    EXPECT_FALSE(f.Free0 || f.Free1);
    EXPECT_EQ(f.Link0, 1);
    EXPECT_EQ(f.LinkEnd0, 0);
    EXPECT_EQ(f.Link1, 2);
    EXPECT_EQ(f.LinkEnd1, 1);
    EXPECT_TRUE(t.Rail(1).Free1);
    EXPECT_TRUE(t.Rail(2).Free0);
    EXPECT_TRUE(testing::LinksConsistent(t.Layout()));
    EXPECT_TRUE(testing::JointsMeet(t.Layout(), 0.01f, 0.01f));
    EXPECT_TRUE(testing::IndexIsRebuilt(t.Layout()));
    EXPECT_TRUE(t.Layout().Modified);
    EXPECT_EQ(t.Redraw.BackScreenRails, std::vector<int>{3});

    // The window is gone: the board places again and the tool box is back.
    EXPECT_EQ(t.Mode(), EditorMode::Place);
    EXPECT_FALSE(t.Tool.IsOpen());
    EXPECT_EQ(t.Host.ToolBoxShows, 1);

    // One undo takes the flexible rail back and frees both neighbours' ends.
    EXPECT_EQ(testing::UndoActions(t.Ws.Undo), 1);
    PerformUndo(t.Ws);
    EXPECT_FALSE(t.Rail(3).Valid);
    EXPECT_TRUE(t.Rail(1).Free0);
    EXPECT_TRUE(t.Rail(2).Free1);
    testing::ExpectRestored(before, t.Layout());
    EXPECT_TRUE(testing::LinksConsistent(t.Layout()));
}

// A click on empty board or on a rail body asks for the direction of a free point; a
// closed typed-angle window leaves the step where it was.
TEST(FlexTool, FreeStartTakesThePickedAngle) {
    const struct {
        const char* where;
        bool onRailBody;
    } cases[] = {{"empty board", false}, {"rail body", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.where);
        FlexBoard t;
        const float x = c.onRailBody ? t.Rail(1).MidX : 500;
        const float y = c.onRailBody ? t.Rail(1).MidY : 400;
        t.Tool.Open();
        if (!c.onRailBody) {
            t.Hover(x, y);
            EXPECT_EQ(t.FlexView.RailNumbers.back(), "ユーザー指定 : (500,400)");
        }
        t.FlexView.Angles = {std::nullopt};
        t.Click(x, y);
        EXPECT_EQ(t.FlexView.Picks, 1);
        EXPECT_EQ(t.Mode(), EditorMode::FlexChoosingStart);
        EXPECT_EQ(t.FlexView.Steps, std::vector<int>{1});
        EXPECT_EQ(t.Ws.Editor.FlexStartRail, -1);

        t.FlexView.Angles = {90.0f};
        t.Click(x, y);
        EXPECT_EQ(t.FlexView.Picks, 2);
        EXPECT_EQ(t.Mode(), EditorMode::FlexChoosingEnd);
        EXPECT_EQ(t.Ws.Editor.FlexStartRail, 0);
        EXPECT_EQ(t.Def().StartLink, 0);
        EXPECT_EQ(t.Def().StartAngle, 90);

        t.ClickEnd(2, 1);
        ASSERT_EQ(t.Mode(), EditorMode::FlexShaping);
        // Angle 90: the control point lies Handle1X units left of the start.
        EXPECT_TRUE(NearPoint(t.Def().Ctl1X, t.Def().Ctl1Y, x - 50, y));
        ASSERT_TRUE(t.Tool.Ok());
        const model::Rail& f = t.Rail(3);
        EXPECT_TRUE(f.Free0);
        EXPECT_EQ(f.Link0, 0);
        EXPECT_EQ(f.Angle0, 270);
        EXPECT_TRUE(NearPoint(f.X0, f.Y0, x, y));
        EXPECT_FALSE(f.Free1);
        EXPECT_TRUE(t.Rail(1).Free0);
        EXPECT_TRUE(t.Rail(1).Free1);
        EXPECT_TRUE(testing::LinksConsistent(t.Layout()));
    }
}

// A second link on a joined end would break the joint it holds: both steps refuse it,
// and the status line says so while the pointer rests there.
TEST(FlexTool, JoinedEndIsRefusedInBothSteps) {
    FlexBoard t;
    ASSERT_EQ(t.PlaceAt(0, 0, 1, 1), 3); // end 1 of rail 1 is joined now
    t.Ws.Undo.Clear();
    const float jx = t.Rail(1).X1, jy = t.Rail(1).Y1;

    t.Tool.Open();
    t.Hover(jx, jy);
    EXPECT_EQ(t.Host.StatusTexts.back(), geometry::FlexEndJoinedText());
    t.Click(jx, jy);
    EXPECT_EQ(t.Host.StatusTexts.back(), geometry::FlexEndJoinedText());
    EXPECT_EQ(t.Mode(), EditorMode::FlexChoosingStart);
    EXPECT_EQ(t.FlexView.Picks, 0) << "a joined end is no free point either";

    // A free end clears the warning.
    t.HoverEnd(2, 0);
    EXPECT_NE(t.Host.StatusTexts.back(), geometry::FlexEndJoinedText());
    t.ClickEnd(2, 0);
    ASSERT_EQ(t.Mode(), EditorMode::FlexChoosingEnd);

    t.Click(jx, jy);
    EXPECT_EQ(t.Host.StatusTexts.back(), geometry::FlexEndJoinedText());
    EXPECT_EQ(t.Mode(), EditorMode::FlexChoosingEnd);
    EXPECT_FALSE(t.Tool.Ok()) << "no end chosen yet";
    EXPECT_EQ(t.Layout().RailCount, 3);
}

// Grabbing a handle at its control point and dragging it sets the handle to the
// pointer's distances from its end; the release sets them last and shaping goes on.
TEST(FlexTool, HandleDragMovesTheControlPoint) {
    const struct {
        bool start;
        float moveDx, moveDy, upDx, upDy;
        EditorMode dragging;
        const char* hoverText;
        const char* dragText;
    } cases[] = {
        {true, 120, -30, 130, 40, EditorMode::FlexDraggingStartHandle, FlexStartHandleHoverText(),
         FlexStartHandleDragText()},
        {false, -90, 20, -100, -25, EditorMode::FlexDraggingEndHandle, FlexEndHandleHoverText(),
         FlexEndHandleDragText()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.start ? "start handle" : "end handle");
        FlexBoard t;
        t.ToShaping();
        const auto& d = t.Def();
        const float cx = c.start ? d.Ctl1X : d.Ctl2X, cy = c.start ? d.Ctl1Y : d.Ctl2Y;
        const float ex = c.start ? d.StartX : d.EndX, ey = c.start ? d.StartY : d.EndY;

        t.Hover(cx, cy);
        EXPECT_EQ(t.Board.DetectStatus(),
                  c.start ? geometry::DetectStartHandle : geometry::DetectEndHandle);
        EXPECT_EQ(t.Host.StatusTexts.back(), c.hoverText);
        EXPECT_EQ(t.View.Pointers.back(), BoardPointer::Arrow);

        t.Board.MouseDown(t.At(cx, cy));
        EXPECT_EQ(t.Mode(), c.dragging);
        EXPECT_EQ(t.Host.StatusTexts.back(), c.dragText);

        t.Hover(ex + c.moveDx, ey + c.moveDy);
        const float hx = c.start ? d.Handle1X : d.Handle2X, hy = c.start ? d.Handle1Y : d.Handle2Y;
        EXPECT_EQ(hx, std::fabs(c.moveDx));
        EXPECT_EQ(hy, std::fabs(c.moveDy));
        EXPECT_EQ(t.Host.StatusTexts.back(), c.dragText);

        t.Board.MouseUp(t.At(ex + c.upDx, ey + c.upDy));
        EXPECT_EQ(t.Mode(), EditorMode::FlexShaping);
        const float h1x = d.Handle1X, h1y = d.Handle1Y, h2x = d.Handle2X, h2y = d.Handle2Y;
        EXPECT_EQ(c.start ? h1x : h2x, std::fabs(c.upDx));
        EXPECT_EQ(c.start ? h1y : h2y, std::fabs(c.upDy));
        EXPECT_EQ(c.start ? h2x : h1x, 50) << "the other handle stays";
        EXPECT_EQ(c.start ? h2y : h1y, 50);
        // Start angle 270: the control point lies right of the start; end angle 90:
        // left of the end. Only the x distance counts on these axes.
        if (c.start)
            EXPECT_TRUE(NearPoint(d.Ctl1X, d.Ctl1Y, ex + std::fabs(c.upDx), ey));
        else
            EXPECT_TRUE(NearPoint(d.Ctl2X, d.Ctl2Y, ex - std::fabs(c.upDx), ey));

        ASSERT_TRUE(t.Tool.Ok());
        const model::Rail& f = t.Rail(3);
        EXPECT_EQ(f.C3X, h1x);
        EXPECT_EQ(f.C3Y, h1y);
        EXPECT_EQ(f.C4X, h2x);
        EXPECT_EQ(f.C4Y, h2y);
        EXPECT_TRUE(NearPoint(f.C1X, f.C1Y, d.Ctl1X, d.Ctl1Y));
        EXPECT_TRUE(NearPoint(f.C2X, f.C2Y, d.Ctl2X, d.Ctl2Y));
    }
}

TEST(FlexTool, ClickOnAnEndPointWhileShapingGrabsNothing) {
    FlexBoard t;
    t.ToShaping();
    const auto def = t.Def();
    t.Hover(def.StartX, def.StartY);
    EXPECT_EQ(t.Board.DetectStatus(), geometry::DetectStartPoint);
    EXPECT_EQ(t.View.Pointers.back(), BoardPointer::Cross);
    t.Click(def.StartX, def.StartY);
    EXPECT_EQ(t.Mode(), EditorMode::FlexShaping);
    EXPECT_EQ(t.Def().Handle1X, 50);
    EXPECT_EQ(t.Def().Handle1Y, 50);
}

// Cancel from every state: nothing laid, the board back to placing, the tool box
// shown, and the board's events no longer reach the tool.
TEST(FlexTool, CancelFromEveryStateLeavesTheLayout) {
    const struct {
        EditorMode state;
        std::function<void(FlexBoard&)> reach;
    } cases[] = {
        {EditorMode::FlexChoosingStart, [](FlexBoard& t) { t.Tool.Open(); }},
        {EditorMode::FlexChoosingEnd,
         [](FlexBoard& t) {
             t.Tool.Open();
             t.ClickEnd(1, 0);
         }},
        {EditorMode::FlexShaping, [](FlexBoard& t) { t.ToShaping(); }},
        {EditorMode::FlexDraggingStartHandle,
         [](FlexBoard& t) {
             t.ToShaping();
             t.Board.MouseDown(t.At(t.Def().Ctl1X, t.Def().Ctl1Y));
         }},
        {EditorMode::FlexDraggingEndHandle,
         [](FlexBoard& t) {
             t.ToShaping();
             t.Board.MouseDown(t.At(t.Def().Ctl2X, t.Def().Ctl2Y));
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(model::ModeNumber(c.state));
        FlexBoard t;
        const auto before = testing::Snapshot(t.Layout());
        c.reach(t);
        ASSERT_EQ(t.Mode(), c.state);
        const int backScreens = t.Redraw.BackScreens;
        t.Tool.Cancel();
        EXPECT_EQ(t.Mode(), EditorMode::Place);
        EXPECT_EQ(model::ModeNumber(t.Mode()), 0);
        EXPECT_FALSE(t.Tool.IsOpen());
        EXPECT_EQ(t.Host.ToolBoxShows, 1);
        EXPECT_EQ(t.Redraw.BackScreens, backScreens + 1) << "a full redraw";
        testing::ExpectRestored(before, t.Layout());
        EXPECT_EQ(t.Layout().RailCount, 2);
        EXPECT_EQ(t.Ws.Undo.UndoCount(), 0);
        EXPECT_FALSE(t.Layout().Modified);

        // The state forced back: the board finds no tool for it any more.
        t.Ws.Editor.AStatus = c.state;
        const auto steps = t.FlexView.Steps;
        const auto numbers = t.FlexView.RailNumbers;
        const geometry::FlexDef def = t.Def();
        t.ClickEnd(1, 1);
        t.Click(def.Ctl1X, def.Ctl1Y);
        EXPECT_EQ(t.Mode(), c.state);
        EXPECT_EQ(t.FlexView.Steps, steps);
        EXPECT_EQ(t.FlexView.RailNumbers, numbers);
        EXPECT_EQ(t.Def().StartX, def.StartX);
        EXPECT_EQ(t.Def().Handle1X, def.Handle1X);

        // A late OK lays nothing.
        t.Ws.Editor.AStatus = EditorMode::Place;
        EXPECT_FALSE(t.Tool.Ok());
        EXPECT_EQ(t.Layout().RailCount, 2);
    }
}

TEST(FlexTool, StartAndEndOnTheSameEndIsNotLaid) {
    FlexBoard t;
    t.Tool.Open();
    t.ClickEnd(1, 0);
    t.ClickEnd(1, 0);
    ASSERT_EQ(t.Mode(), EditorMode::FlexShaping);
    EXPECT_FALSE(t.Tool.Ok());
    EXPECT_TRUE(t.Tool.IsOpen());
    EXPECT_EQ(t.Host.StatusTexts.back(), "フレキシブルレールを作成できませんでした。");
    EXPECT_EQ(t.Layout().RailCount, 2);
    EXPECT_TRUE(t.Rail(1).Free0);
}

} // namespace
} // namespace ferrovane::editor

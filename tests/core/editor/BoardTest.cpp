#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/app/board/Board.h"
#include "core/app/board/BoardModes.h"
#include "core/app/board/RailList.h"
#include "core/app/board/ToolBoxButtons.h"
#include "core/commands/catalogue/CatalogueReader.h"
#include "core/commands/edit/DeleteRail.h"
#include "core/commands/edit/Elevation.h"
#include "core/commands/edit/Selection.h"
#include "core/commands/placement/FlexRail.h"
#include "core/commands/placement/Placement.h"
#include "core/commands/workspace/Workspace.h"
#include "core/document/DocumentTestSupport.h"
#include "core/values/model/RailIndex.h"
#include "support/FakeUiHost.h"

namespace ferrovane::editor {
namespace {

class RecordingView : public BoardView {
public:
    void SetMainPointer(BoardPointer p) override { Pointers.push_back(p); }
    bool PopupMenu(BoardMenu menu, bool changeName) override {
        Menus.push_back(menu);
        ChangeNameShown.push_back(changeName);
        return true;
    }
    void ShowTypedAngleWindow() override { ++AngleWindows; }
    void DrawRangeBox(float a, float b, float c, float d) override {
        Boxes.push_back({a, b, c, d});
    }
    void DrawRuler(float, float, float, float, const std::string& text) override {
        Rulers.push_back(text);
    }
    void RefreshToolBox(const std::vector<RailListEntry>* list) override {
        ++ToolBoxRefreshes;
        if (list) LastList = *list;
    }
    void StepRailList(int delta) override { Steps.push_back(delta); }
    void ReleaseMouseClip() override { ++ClipReleases; }

    std::vector<BoardPointer> Pointers;
    std::vector<BoardMenu> Menus;
    std::vector<bool> ChangeNameShown;
    std::vector<std::vector<float>> Boxes;
    std::vector<std::string> Rulers;
    std::vector<RailListEntry> LastList;
    std::vector<int> Steps;
    int AngleWindows = 0, ToolBoxRefreshes = 0, ClipReleases = 0;
};

// A board over a workspace with the bundled catalogue and one straight laid freely at
// (1000, 1000) pointing left (angle 90): its free end 1 lies to the left.
struct BoardFixture {
    BoardFixture() {
        ws.StartLogPath = dir.File("StartLog.txt");
        EXPECT_EQ(catalogue::ReadCatalogue(ws, document::doctest::BundledCatalogue),
                  catalogue::CatalogueReadStatus::Loaded);
        ws.Editor.MouseX = 1000;
        ws.Editor.MouseY = 1000;
        float angle = 90;
        EXPECT_EQ(geometry::PlaceRail(ws, angle, 0, geometry::PlaceCommit, false), 1);
        host.StatusTexts.clear();
    }
    BoardEvent At(float x, float y, int button = LeftButton) const { return {button, 0, x, y}; }
    const model::Rail& Rail(int n) const { return ws.Layout.Rails[static_cast<std::size_t>(n)]; }

    testing::layouts::TempDir dir;
    testing::FakeUiHost host;
    app::Workspace ws{host};
    RecordingView view;
    Board board{ws, view};
};

TEST(BoardTest, LeftClickAtAFreeEndPlacesTheNextPieceJoinedToIt) {
    BoardFixture f;
    const float ex = f.Rail(1).X1, ey = f.Rail(1).Y1;
    f.board.MouseMove(f.At(ex, ey));
    EXPECT_EQ(f.board.DetectStatus(), 3);
    EXPECT_EQ(f.view.Pointers.back(), BoardPointer::Arrow);
    EXPECT_EQ(f.host.StatusTexts.back(), "左クリックでレールを作成します。");
    EXPECT_EQ(f.ws.Layout.RailCount, 1); // a preview only

    f.board.MouseDown(f.At(ex, ey));
    ASSERT_EQ(f.ws.Layout.RailCount, 2);
    EXPECT_EQ(f.Rail(2).Link0, 1);
    EXPECT_FALSE(f.Rail(2).Free0);
    EXPECT_EQ(f.Rail(1).Link1, 2);
    EXPECT_TRUE(f.ws.Layout.Modified);
    EXPECT_FLOAT_EQ(f.Rail(2).X0, ex);

    const auto log = document::doctest::ReadLines(f.ws.StartLogPath);
    const std::vector<std::string> expected = {
        "MouseDown Start",         "MouseDown - AutoScroll check", "MouseDown - DetectRail Start",
        "MouseDown - AStatus = 0", "MouseDown - DetectStatus = 3",
    };
    ASSERT_GE(log.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(log.end() - expected.size(), log.end()), expected);
}

TEST(BoardTest, RailBoxKindWithoutBoxesLaysNothingAndSaysWhy) {
    BoardFixture f;
    f.ws.Catalogue.RailBoxRails.clear();
    f.ws.Catalogue.RailBoxRailMax = -1;
    // The rail-box kind chosen in the tool box, after the straight was laid.
    ChooseKindButton(f.ws, 5);
    EXPECT_EQ(FillRailList(f.ws).front().Text, NoRailBoxesText());
    const float ex = f.Rail(1).X1, ey = f.Rail(1).Y1;
    for (const auto& e : {f.At(ex, ey), f.At(ex - 500, ey - 500)}) {
        f.board.MouseMove(e);
        f.board.MouseDown(e);
        EXPECT_EQ(f.host.StatusTexts.back(), NoRailBoxesText());
    }
    EXPECT_EQ(f.ws.Layout.RailCount, 1);
    EXPECT_EQ(f.view.AngleWindows, 0);
    EXPECT_EQ(f.host.Beeps, 2);
}

TEST(BoardTest, ChangingThePieceByKeyRedrawsThePreviewInsteadOfOverdrawingIt) {
    struct Calls : render::RedrawTarget {
        void RefreshMainPicture() override { Log += 'R'; }
        void DrawPreviewOnMainPicture() override { Log += 'P'; }
        std::string Log;
    };
    const struct {
        int key;
        PieceKind kindAfter;
    } cases[] = {{KeyRightArrow, PieceKind::Curve},
                 {KeyLeftArrow, PieceKind::Flexible},
                 {KeyU, PieceKind::Straight}};
    for (const auto& c : cases) {
        BoardFixture f;
        Calls calls;
        f.ws.Redraw = &calls;
        f.board.MouseMove(f.At(f.Rail(1).X1, f.Rail(1).Y1));
        calls.Log.clear();
        f.board.KeyDown(c.key, 0);
        EXPECT_EQ(f.ws.Editor.PlaceKind, c.kindAfter) << c.key;
        // The board is refreshed first, then the new piece previewed; the flexible
        // kind lays nothing by a click, so nothing is previewed.
        EXPECT_EQ(calls.Log, c.kindAfter == PieceKind::Flexible ? "R" : "RP") << c.key;
        if (c.kindAfter == PieceKind::Curve) {
            EXPECT_EQ(f.ws.Layout.Rails[0].Kind, model::KindCurve);
        }
        EXPECT_EQ(f.ws.Layout.RailCount, 1);
    }
}

// Logs and scripts keep the mode's number: each tool the user opens must log the number
// it always had.
TEST(BoardTest, ClickLogsTheNumberOfTheModeAToolOpened) {
    const struct Case {
        const char* tool;
        void (*open)(app::Workspace&);
        const char* line;
    } cases[] = {
        {"arrow", [](app::Workspace& ws) { ToggleRangeSelectTool(ws); },
         "MouseDown - AStatus = 50"},
        {"ruler", [](app::Workspace& ws) { ToggleRulerTool(ws); }, "MouseDown - AStatus = 60"},
        {"delete", [](app::Workspace& ws) { OpenDeleteTool(ws); }, "MouseDown - AStatus = 100"},
        {"elevate", [](app::Workspace& ws) { OpenElevationTool(ws); }, "MouseDown - AStatus = 800"},
        {"flexible", [](app::Workspace& ws) { geometry::OpenFlexRail(ws); },
         "MouseDown - AStatus = 1001"},
        {"object kind",
         [](app::Workspace& ws) {
             ChooseKindButton(ws, 4);
             FillRailList(ws);
         },
         "MouseDown - AStatus = 9998"},
    };
    for (const auto& c : cases) {
        BoardFixture f;
        c.open(f.ws);
        f.board.MouseDown(f.At(3000, 3000, RightButton));
        const auto log = document::doctest::ReadLines(f.ws.StartLogPath);
        EXPECT_NE(std::find(log.begin(), log.end(), c.line), log.end()) << c.tool;
    }
}

TEST(BoardTest, RightClicksTurnTheNextCurveWithoutPlacing) {
    BoardFixture f;
    f.ws.Editor.PlaceKind = PieceKind::Curve;
    const float ex = f.Rail(1).X1, ey = f.Rail(1).Y1;
    f.board.MouseMove(f.At(ex, ey));
    EXPECT_EQ(f.host.StatusTexts.back(), "右クリックで方向転換, 左クリックでレールを作成します。");
    f.board.MouseDown(f.At(ex, ey, RightButton));
    EXPECT_TRUE(f.ws.Editor.CurveFlip);
    f.board.MouseDown(f.At(ex, ey, RightButton));
    EXPECT_FALSE(f.ws.Editor.CurveFlip);
    EXPECT_EQ(f.ws.Layout.RailCount, 1);
    EXPECT_TRUE(f.view.Menus.empty());
}

TEST(BoardTest, ClickingARailTogglesItInTheSelection) {
    BoardFixture f;
    const float mx = f.Rail(1).MidX, my = f.Rail(1).MidY;
    f.board.MouseMove(f.At(mx, my));
    EXPECT_EQ(f.board.DetectStatus(), 1);
    f.board.MouseDown(f.At(mx, my));
    EXPECT_EQ(SelectedRails(f.ws.Editor), std::vector<int>{1});
    EXPECT_EQ(f.host.CCEnabled.back(), true);
    // The status line tells the selection while the pointer is on empty board.
    f.board.MouseMove(f.At(10, 20));
    EXPECT_EQ(f.host.StatusTexts.back(), "(10,20) - レールが複数選択されています (1個)");

    f.board.MouseDown(f.At(mx, my));
    EXPECT_EQ(SelectionSlots(f.ws.Editor), 0);
    EXPECT_EQ(f.host.CCEnabled.back(), false);
    f.board.MouseMove(f.At(10, 20));
    EXPECT_EQ(f.host.StatusTexts.back(), "(10,20)");
}

TEST(BoardTest, ClickSelectsRailsLeftOfAndAboveTheOriginAndTextLabels) {
    const struct {
        bool Label;
        float X, Y;
    } cases[] = {{false, -30, -30},
                 {false, -1500, -700},
                 {false, 400, -250},
                 {true, 500, 2000},
                 {true, -900, -1200}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << (c.Label ? "label at " : "rail at ") << c.X << "," << c.Y);
        BoardFixture f;
        int n = 0;
        if (c.Label) { // as a layout file brings it: the index is rebuilt
            model::Rail& label = f.ws.Layout.AppendRail();
            n = f.ws.Layout.RailCount;
            label.Valid = true;
            label.No = static_cast<std::int16_t>(n);
            label.Kind = model::KindText;
            label.Name = "ＭＳ ゴシックhello";
            label.Radius = 7;
            label.Length = 12;
            label.C1X = c.X - 30, label.C1Y = c.Y - 10;
            label.MidX = c.X, label.MidY = c.Y;
            model::UpdateCells(label);
            model::RebuildRailIndex(f.ws.Layout);
        } else { // laid by the typed-angle window: the index grows as it goes
            f.ws.Editor.MouseX = c.X;
            f.ws.Editor.MouseY = c.Y;
            float angle = 90;
            n = geometry::PlaceRail(f.ws, angle, 0, geometry::PlaceCommit, false);
        }
        const float mx = f.Rail(n).MidX, my = f.Rail(n).MidY;
        f.board.MouseMove(f.At(mx, my));
        EXPECT_EQ(f.board.DetectStatus(), 1);
        f.board.MouseDown(f.At(mx, my));
        EXPECT_EQ(SelectedRails(f.ws.Editor), std::vector<int>{n});
    }
}

TEST(BoardTest, EmptyBoardLeftClickClearsASelectionOrOpensTheAngleWindow) {
    BoardFixture f;
    f.ws.Editor.SelRailList = {1, 1};
    f.board.MouseDown(f.At(100, 100));
    EXPECT_EQ(SelectionSlots(f.ws.Editor), 0);
    EXPECT_EQ(f.view.AngleWindows, 0);
    f.board.MouseDown(f.At(100, 100));
    EXPECT_EQ(f.view.AngleWindows, 1);
    EXPECT_EQ(document::doctest::ReadLines(f.ws.StartLogPath).back(), "frmAngle2 Show");
    // Kinds that are not placed by a click open nothing.
    f.ws.Editor.PlaceKind = PieceKind::Flexible;
    f.board.MouseDown(f.At(100, 100));
    EXPECT_EQ(f.view.AngleWindows, 1);
}

TEST(BoardTest, TheClickThatClosesAContextMenuIsSwallowed) {
    struct Case {
        bool onRail;
        bool selection;
        BoardMenu menu;
        bool changeNameShown;
    };
    const Case cases[] = {
        {false, false, BoardMenu::RailMenu, false},
        {false, true, BoardMenu::RailMenu2, false},
        {true, false, BoardMenu::RailMenu2, true},
        {true, true, BoardMenu::RailMenu2, false},
    };
    for (const auto& c : cases) {
        BoardFixture f;
        if (c.selection) f.ws.Editor.SelRailList = {1, 1};
        const float x = c.onRail ? f.Rail(1).MidX : 100, y = c.onRail ? f.Rail(1).MidY : 100;
        f.board.MouseDown(f.At(x, y, RightButton));
        ASSERT_EQ(f.view.Menus.size(), 1u);
        EXPECT_EQ(f.view.Menus[0], c.menu);
        EXPECT_EQ(f.view.ChangeNameShown[0], c.changeNameShown);
        EXPECT_TRUE(f.board.IgnoreNextClick());
        const auto selectionBefore = f.ws.Editor.SelRailList;
        f.board.MouseDown(f.At(100, 100)); // closes the menu: nothing else happens
        EXPECT_EQ(f.view.AngleWindows, 0);
        EXPECT_EQ(f.ws.Editor.SelRailList, selectionBefore);
        EXPECT_FALSE(f.board.IgnoreNextClick());
    }
}

TEST(BoardTest, RangeSelectionDraggedUpAndLeft) {
    BoardFixture f;
    EXPECT_TRUE(f.board.ToggleRangeSelection(false));
    EXPECT_EQ(f.ws.Editor.AStatus, EditorMode::RangeArmed);
    const float mx = f.Rail(1).MidX, my = f.Rail(1).MidY;
    f.board.MouseDown(f.At(mx + 50, my + 50));
    EXPECT_EQ(f.ws.Editor.AStatus, EditorMode::RangeDragging);
    f.board.MouseMove(f.At(mx - 50, my - 50));
    EXPECT_EQ(SelectedRails(f.ws.Editor), std::vector<int>{1});
    ASSERT_FALSE(f.view.Boxes.empty());
    EXPECT_EQ(f.view.Boxes.back()[0], std::round(mx - 50));
    f.board.MouseUp(f.At(mx - 50, my - 50));
    EXPECT_EQ(f.ws.Editor.AStatus, EditorMode::Place); // ends with its selection

    // A box with nothing in it stays armed; the right button clears.
    f.board.ToggleRangeSelection(false);
    f.board.MouseDown(f.At(10, 10));
    f.board.MouseMove(f.At(20, 20));
    f.board.MouseUp(f.At(20, 20));
    EXPECT_EQ(f.ws.Editor.AStatus, EditorMode::RangeArmed);
    EXPECT_EQ(f.host.CCEnabled.back(), false);
}

TEST(BoardTest, RulerMeasuresTheDrag) {
    BoardFixture f;
    f.ws.Editor.AStatus = EditorMode::RulerArmed;
    f.board.MouseMove(f.At(0, 0));
    EXPECT_EQ(f.host.StatusTexts.back(), "測定したい2点間をドラッグして下さい");
    f.board.MouseDown(f.At(0, 0));
    f.board.MouseMove(f.At(30, 40));
    f.board.MouseUp(f.At(30, 40));
    EXPECT_EQ(f.ws.Editor.AStatus, EditorMode::RulerArmed);
    EXPECT_EQ(f.view.Rulers.back(), "50.00");
}

TEST(BoardTest, KeysActWhateverTheMode) {
    BoardFixture f;
    f.ws.Editor.AStatus = EditorMode::RangeArmed;
    using K = PieceKind;
    const std::vector<K> forwards = {K::Curve,  K::Point,    K::RailBox,
                                     K::Object, K::Flexible, K::Straight};
    for (K kind : forwards) {
        f.board.KeyDown(KeyRightArrow, 0);
        EXPECT_EQ(f.ws.Editor.PlaceKind, kind);
        EXPECT_EQ(f.ws.ToolBox.ButtonId, 100 + static_cast<int>(kind));
        EXPECT_EQ(f.ws.Editor.AStatus, (kind == K::Flexible || kind == K::Object)
                                           ? EditorMode::NotPlaceable
                                           : EditorMode::Place);
    }
    const std::vector<K> backwards = {K::Flexible, K::Object, K::RailBox,
                                      K::Point,    K::Curve,  K::Straight};
    for (K kind : backwards) {
        f.board.KeyDown(KeyLeftArrow, 0);
        EXPECT_EQ(f.ws.Editor.PlaceKind, kind);
    }
    EXPECT_FALSE(f.view.LastList.empty());

    f.board.KeyDown(KeyU, 0);
    EXPECT_TRUE(f.ws.Editor.IsUpperMode);
    EXPECT_EQ(f.ws.ToolBox.ButtonId, 99);
    f.board.KeyDown(KeyEscape, 0);
    EXPECT_EQ(f.ws.ToolBox.ButtonId, 151);
    f.board.KeyDown(KeyUpArrow, 0);
    f.board.KeyDown(KeyDownArrow, 0);
    EXPECT_EQ(f.view.Steps, (std::vector<int>{-1, 1}));

    EXPECT_EQ(SteppedRailListIndex(PieceKind::Straight, 3, 5, 1),
              3); // never onto the user-rail entry
    EXPECT_EQ(SteppedRailListIndex(PieceKind::Straight, 2, 5, 1), 3);
    EXPECT_EQ(SteppedRailListIndex(PieceKind::RailBox, 3, 5, 1), 4);
    EXPECT_EQ(SteppedRailListIndex(PieceKind::RailBox, 0, 5, -1), 0);
}

TEST(BoardTest, NotPlaceableKindsBeepAndAutoScrollClicksOnlyStopScrolling) {
    BoardFixture f;
    f.ws.Editor.AStatus = EditorMode::NotPlaceable;
    f.board.MouseMove(f.At(5, 5));
    EXPECT_EQ(f.view.Pointers.back(), BoardPointer::NoDrop);
    f.board.MouseDown(f.At(5, 5));
    EXPECT_EQ(f.host.Beeps, 1);

    f.ws.Editor.AStatus = EditorMode::Place;
    f.ws.View.AutoScrollState = 1;
    f.board.MouseDown(f.At(5, 5));
    EXPECT_EQ(f.ws.View.AutoScrollState, 11);
    EXPECT_EQ(f.view.AngleWindows, 0);
    EXPECT_EQ(document::doctest::ReadLines(f.ws.StartLogPath).back(),
              "MouseDown - AutoScroll check");

    f.board.PointerOverStatusLine();
    EXPECT_EQ(f.ws.View.AutoScrollState, 0);
    EXPECT_EQ(f.host.StatusTexts.back(), "各種の情報が表示されます");
}

TEST(BoardTest, PointerBackOnTheBoardEndsTheAngleWindowMode) {
    BoardFixture f;
    f.ws.Editor.AStatus = EditorMode::TypedAngle;
    f.board.MouseMove(f.At(5, 5));
    EXPECT_EQ(f.ws.Editor.AStatus, EditorMode::Place);
    EXPECT_EQ(f.view.ClipReleases, 1);
}

} // namespace
} // namespace ferrovane::editor

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/commands/placement/Placement.h"
#include "core/commands/render/AutoScroll.h"
#include "core/commands/render/PrintDrivers.h"
#include "core/commands/render/ScreenRenderer.h"
#include "core/commands/workspace/Workspace.h"
#include "core/compute/render/GridAndRuler.h"
#include "core/compute/render/Zoom.h"
#include "core/render/RecordingSurface.h"
#include "support/CatalogueFixtures.h"
#include "support/FakeUiHost.h"

namespace ferrovane::render {
namespace {

using testing::CallsOf;
using testing::RecordingSurface;
using Calls = std::vector<std::string>;

model::Rail Straight(float x, float y, std::uint8_t kind = 0, bool upper = false) {
    model::Rail r;
    r.Valid = true;
    r.Kind = kind;
    r.Name = " S140  ";
    r.C1X = x, r.C1Y = y, r.C2X = x, r.C2Y = y + 10, r.C3X = x + 100, r.C3Y = y + 10;
    r.C4X = x + 100, r.C4Y = y;
    r.MidX = x + 50, r.MidY = y + 5;
    r.Color = 0x0000AA;
    r.Upper = upper;
    return r;
}

struct Board {
    testing::FakeUiHost host;
    app::Workspace ws{host};
    RecordingSurface back{2000, 2000};
    RecordingSurface main{800, 600};
    ScreenRenderer renderer{ws, back, main};

    Board() {
        ws.Redraw = &renderer;
        ws.View.IsGrid = false;
    }
    int Add(const model::Rail& rail) {
        model::Rail& r = ws.Layout.AppendRail();
        r = rail;
        r.No = static_cast<std::int16_t>(ws.Layout.RailCount);
        return ws.Layout.RailCount;
    }
    void Select(std::vector<std::int16_t> rails) {
        ws.Editor.SelRailList = {static_cast<std::int16_t>(rails.size())};
        ws.Editor.SelRailList.insert(ws.Editor.SelRailList.end(), rails.begin(), rails.end());
    }
};

TEST(ScreenRendererTest, EmptyLayoutDrawsGridAndBorderOnly) {
    Board b;
    b.ws.View.IsGrid = true;
    b.ws.Settings.GridWidth = 1000;
    b.ws.Settings.GridHeight = 1000;
    b.renderer.ReDrawBackScreen();
    EXPECT_EQ(b.back.Calls,
              (Calls{"X", "L 1000,0 1000,2000 #12632256 w1", "L 2000,0 2000,2000 #12632256 w1",
                     "L 0,1000 2000,1000 #12632256 w1", "L 0,2000 2000,2000 #12632256 w1",
                     "L 2000,0 2000,2000 #255 w2", "L 0,2000 2000,2000 #255 w2"}));
    EXPECT_EQ(b.main.Calls, Calls{"C 0,0"});
}

TEST(ScreenRendererTest, BackScreenDrawsEveryLiveRailWithItsWidthAtOriginZero) {
    Board b;
    b.ws.View.Screen.Left = 500; // the off-screen image ignores the view origin
    b.Add(Straight(0, 0, 0, true));
    b.Add(Straight(200, 0));
    b.ws.Layout.Rails[2].Valid = false;
    b.Add(Straight(400, 0, 60));
    b.renderer.DrawLayoutOnBackScreen();
    const Calls lines = CallsOf(b.back.Calls, 'L');
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[0], "L 0,0 0,10 #170 w3");
    EXPECT_EQ(lines[4], "L 400,0 400,10 #170 w1");
    // Rail 1 has its centre marker; the group member (kind 60) has none.
    EXPECT_EQ(CallsOf(b.back.Calls, 'A'), Calls{"A 50,5 r5 0..0 #170 w3"});

    RecordingSurface before = b.back;
    b.renderer.DrawRailOnBackScreen(0);
    b.renderer.DrawRailOnBackScreen(99);
    EXPECT_EQ(b.back.Calls, before.Calls);
}

TEST(ScreenRendererTest, NewRailIsDrawnWithTheWidthOfItsLevel) {
    for (const bool upper : {false, true}) {
        Board b;
        b.ws.Catalogue = testing::SmallCatalogue();
        b.ws.Editor.IsUpperMode = upper;
        b.ws.Editor.MouseX = 1000;
        b.ws.Editor.MouseY = 1000;
        float angle = 90;
        ASSERT_EQ(geometry::PlaceRail(b.ws, angle, 0, geometry::PlaceCommit, false), 1);
        const Calls lines = CallsOf(b.back.Calls, 'L');
        ASSERT_FALSE(lines.empty());
        const std::string width = upper ? " w3" : " w1";
        for (const auto& line : lines)
            EXPECT_EQ(line.substr(line.size() - width.size()), width) << line;
    }
}

TEST(ScreenRendererTest, RefreshCopiesTheVisibleWindowAndDrawsOverlays) {
    Board b;
    b.ws.View.Zoom = 1;
    b.ws.View.Screen.Left = 250; // 125 pixels
    b.ws.View.Screen.Top = 101;  // 50.5 pixels: halves go to even
    b.ws.View.Screen.Width = 1600;
    b.ws.View.Screen.Height = 1200;
    b.ws.View.IsMemori = true;
    b.renderer.RefreshMainPicture();
    ASSERT_FALSE(b.main.Calls.empty());
    EXPECT_EQ(b.main.Calls[0], "C 125,50");
    EXPECT_EQ(b.main.Calls[1], "L 10,0 10,20 #12632256 w1");
    EXPECT_TRUE(CallsOf(b.main.Calls, 'T').empty());
    b.ws.View.IsNumber = true;
    b.main.Calls.clear();
    b.renderer.RefreshMainPicture();
    EXPECT_FALSE(CallsOf(b.main.Calls, 'T').empty());
}

TEST(ScreenRendererTest, SelectionHighlightsGroupsAndSkipsEmptySlots) {
    Board b;
    b.Add(Straight(0, 0));
    b.Add(Straight(0, 100, 50));
    b.Add(Straight(0, 200, 60));
    b.Add(Straight(0, 300, 61));
    b.Add(Straight(0, 400, 0));
    b.ws.View.Screen.Left = 0;
    b.Select({0, 2, -1});
    b.renderer.SetHighlightSelRail();
    const Calls lines = CallsOf(b.main.Calls, 'L');
    // The head (kind 50) and both members, highlighted at width 2, nothing else.
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[0], "L 0,100 0,110 #16711680 w2");
    EXPECT_EQ(lines[4], "L 0,200 0,210 #16711680 w2");
    EXPECT_FALSE(b.ws.View.IsHighlighting);
    EXPECT_EQ(b.main.DrawWidth(), 1);

    Board empty;
    empty.Add(Straight(0, 0));
    empty.Select({0});
    empty.renderer.SetHighlightSelRail();
    empty.ws.Editor.SelRailList = {1, 1};
    empty.ws.Editor.SelRailList[0] = 0;
    empty.renderer.SetHighlightSelRail();
    EXPECT_TRUE(empty.main.Calls.empty());

    Board last;
    last.Add(Straight(0, 0));
    last.Add(Straight(0, 100, 50));
    last.Select({2});
    last.renderer.SetHighlightSelRail();
    EXPECT_EQ(CallsOf(last.main.Calls, 'L').size(), 4u);
}

TEST(ScreenRendererTest, PreviewGoesToTheBoardOnlyInTheNextRailColour) {
    Board b;
    b.ws.Layout.Rails[0] = Straight(100, 100);
    b.ws.View.Screen.Left = 100;
    b.ws.View.Screen.Top = 50;
    b.renderer.DrawPreviewOnMainPicture();
    EXPECT_TRUE(b.back.Calls.empty());
    const Calls lines = CallsOf(b.main.Calls, 'L');
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "L 0,50 0,60 #255 w1");
}

TEST(ScreenRendererTest, HoverHighlightsFillsAndNamesTheRail) {
    Board b;
    b.Add(Straight(0, 0));
    b.ws.Editor.PointedRail = 1;
    b.renderer.ShowHoverRail();
    EXPECT_EQ(b.main.Calls.back(), "F 1 #16711680");
    EXPECT_EQ(CallsOf(b.main.Calls, 'L')[0], "L 0,0 0,10 #16711680 w2");
    ASSERT_FALSE(b.host.StatusTexts.empty());
    EXPECT_EQ(b.host.StatusTexts.back(), "S140 (No:1)");

    model::Rail label;
    label.Valid = true;
    label.Kind = 100;
    label.Name = "Arial Station ";
    label.Radius = 5;
    b.Add(label);
    b.ws.Editor.PointedRail = 2;
    b.main.Calls.clear();
    b.renderer.ShowHoverRail();
    EXPECT_TRUE(CallsOf(b.main.Calls, 'F').empty());
    EXPECT_EQ(b.host.StatusTexts.back(), "\"Station\" (No:2)");

    b.ws.Editor.PointedRail = 7;
    b.main.Calls.clear();
    b.renderer.ShowHoverRail();
    EXPECT_TRUE(b.main.Calls.empty());
}

TEST(ScreenRendererTest, ZoomResizesRescalesAndScrollsHome) {
    Board b;
    b.ws.View.HScroll.Value = 300;
    b.ws.View.Zoom = 3;
    b.renderer.ChangeZoomie();
    EXPECT_EQ(b.back.PixelWidth(), 500);
    EXPECT_EQ(b.back.Scale(), 4);
    EXPECT_EQ(b.main.Scale(), 4);
    EXPECT_EQ(b.ws.View.HScroll.Value, 0);
    EXPECT_EQ(b.ws.View.Screen.Width, 3200);
    // The board (2000) is narrower than the window (3200 units): no scrolling.
    EXPECT_FALSE(b.ws.View.HScroll.Enabled);

    b.renderer.ApplyZoomItem(1);
    EXPECT_EQ(b.back.PixelWidth(), 1500);
    EXPECT_FLOAT_EQ(b.ws.View.Screen.Width, 800 * 1.3333334f);
}

TEST(ScreenRendererTest, ScrollingOnlyCopiesNeverRedrawsTheBackScreen) {
    Board b;
    b.Add(Straight(0, 0));
    b.renderer.ApplyZoomItem(0);
    b.back.Calls.clear();
    b.ws.View.HScroll.Value = 400;
    b.renderer.SetScroll();
    EXPECT_TRUE(b.back.Calls.empty());
    EXPECT_EQ(b.main.Calls.back(), "C 400,0");
    EXPECT_EQ(b.ws.View.Screen.Left, 400);
}

TEST(ScreenRendererTest, FitScrollsToTheLayout) {
    Board b;
    b.ws.Layout.LayoutWidth = 10000;
    b.ws.Layout.LayoutHeight = 10000;
    b.Add(Straight(3000, 3000));
    b.Add(Straight(4400, 3000));
    b.renderer.ApplyZoomItem(ZoomItemFit);
    // Extents 2980..4520, with room for the ruler 2940..4520 (1580 units) in 800 pixels:
    // two units per pixel, Z = 2; the track starts just clear of the ruler's strip.
    EXPECT_EQ(b.ws.View.Zoom, 2);
    EXPECT_EQ(b.ws.View.HScroll.Value, 2980 - RulerStripUnits);
    EXPECT_EQ(b.ws.View.Screen.Left, 2980 - RulerStripUnits);
}

TEST(ScreenRendererTest, OversizedBackScreenFallsBackWithAWarning) {
    Board b;
    b.ws.Layout.LayoutWidth = 20000;
    b.ws.Layout.LayoutHeight = 20000;
    b.ws.View.Zoom = 0; // 20000 x 20000 pixels: 1.6 GB
    b.renderer.ChangeZoomie();
    EXPECT_EQ(b.ws.View.Zoom, 1.5f);
    ASSERT_EQ(b.host.Messages.size(), 1u);
    EXPECT_EQ(b.host.Messages[0].Title, "Ferrovane");
    EXPECT_EQ(b.host.Messages[0].Text, "バックサイズが大きすぎてメモリに入りきれません。\r\n"
                                       "レイアウトサイズを小さくするか、ズームを下げてください");
    EXPECT_EQ(b.host.Messages[0].HelpTopic, 139);
    EXPECT_EQ(b.host.Messages[0].Icon, platform::MessageIcon::Exclamation);
    // At 1.5 the board (8000 x 8000 pixels, 244 MB) fits, so the redraw that follows
    // makes the whole board.
    EXPECT_EQ(b.back.PixelWidth(), 8000);
    EXPECT_EQ(b.back.Scale(), 2.5f);
    EXPECT_EQ(b.main.Scale(), 2.5f);

    Board huge;
    huge.ws.Layout.LayoutWidth = 40000;
    huge.ws.Layout.LayoutHeight = 40000;
    huge.renderer.ChangeZoomie();
    ASSERT_EQ(huge.host.Messages.size(), 1u); // warned once, not on every redraw
    EXPECT_EQ(huge.back.PixelWidth(), 800);
    EXPECT_EQ(huge.back.PixelHeight(), 600);
    huge.renderer.ReDrawBackScreen();
    EXPECT_EQ(huge.host.Messages.size(), 1u);
}

TEST(ScreenRendererTest, SurfaceThatCannotBeMadeRecoversToo) {
    Board b;
    b.back.FailResize = true;
    b.renderer.ResizeBackScreen();
    EXPECT_EQ(b.ws.View.Zoom, 1.5f);
    EXPECT_EQ(b.host.Messages.size(), 1u);
}

TEST(ScreenRendererTest, BoardSizeChangeResizesOnTheNextFullRedraw) {
    Board b;
    b.renderer.ChangeZoomie();
    b.ws.Layout.LayoutWidth = 3000;
    b.renderer.ReDrawBackScreen();
    EXPECT_EQ(b.back.PixelWidth(), 3000);
    const int resizes = b.back.Resizes;
    b.renderer.ReDrawBackScreen();
    EXPECT_EQ(b.back.Resizes, resizes);
}

TEST(AutoScrollTest, ScrollingZoneMovesEightStepsAndRepaints) {
    Board b;
    b.renderer.ChangeZoomie();
    b.ws.View.HScroll.Value = 1000;
    b.renderer.SetScroll();
    b.ws.View.AutoScrollState = AutoScrollActive + AutoScrollLeft;
    b.main.Calls.clear();
    EXPECT_EQ(SetAutoScroll(b.ws, b.renderer), AutoScrollPointer::Left);
    EXPECT_EQ(b.ws.View.HScroll.Value, 800);
    EXPECT_EQ(b.ws.View.Screen.Left, 800);
    EXPECT_EQ(CallsOf(b.main.Calls, 'C').size(), 8u);
    EXPECT_EQ(b.host.StatusTexts.back(), "左ボタンを離すとオートスクロールが止まります");

    b.ws.View.AutoScrollState = AutoScrollBottom;
    EXPECT_EQ(SetAutoScroll(b.ws, b.renderer), AutoScrollPointer::Down);
    EXPECT_EQ(b.host.StatusTexts.back(), "左ボタンを押し下げるとオートスクロール始めます。");
    b.ws.View.AutoScrollState = AutoScrollNone;
    EXPECT_EQ(SetAutoScroll(b.ws, b.renderer), AutoScrollPointer::Cross);
}

TEST(PrintDriversTest, BlackUnlessColourWidthsAndTextPasses) {
    Board b;
    b.Add(Straight(0, 0, 0, true));
    model::Rail label;
    label.Valid = true;
    label.Kind = 100;
    label.Name = "Arial Yard";
    label.Radius = 5;
    label.Color = 0x00FF00;
    b.Add(label);

    RecordingSurface preview;
    DrawLayoutOnPPicture(b.ws, preview, {{0, 0}, false});
    EXPECT_EQ(CallsOf(preview.Calls, 'L')[0], "L 0,0 0,10 #0 w3");
    EXPECT_TRUE(CallsOf(preview.Calls, 'A').empty()); // no centre markers
    EXPECT_EQ(CallsOf(preview.Calls, 'T').size(), 1u);
    EXPECT_EQ(preview.DrawWidth(), 1);

    RecordingSurface printer;
    DrawLayoutOnPrinter(b.ws, printer, {{-10, 0}, true});
    EXPECT_EQ(CallsOf(printer.Calls, 'L')[0], "L 10,0 10,10 #170 w5");
    EXPECT_TRUE(CallsOf(printer.Calls, 'T').empty());

    RecordingSurface texts;
    DrawTextsOnPrinter(b.ws, texts, {{0, 0}, true});
    EXPECT_EQ(texts.Calls, Calls{"T 0,0 'Yard' #65280 Arial 0"});
}

} // namespace
} // namespace ferrovane::render

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/commands/render/AutoScroll.h"
#include "core/compute/render/BackScreenSize.h"
#include "core/compute/render/GridAndRuler.h"
#include "core/compute/render/ScrollLimits.h"
#include "core/compute/render/WheelView.h"
#include "core/compute/render/Zoom.h"
#include "core/render/RecordingSurface.h"

namespace ferrovane::render {
namespace {

using testing::CallsOf;
using testing::RecordingSurface;
using Calls = std::vector<std::string>;

TEST(ZoomTest, MenuItemsAndPercentages) {
    struct Case {
        int item;
        float zoom;
        int percent;
    };
    const Case cases[] = {{0, 0, 100}, {1, 1.0f / 3, 75}, {2, 1, 50}, {3, 3, 25}};
    for (const Case& c : cases) {
        ASSERT_TRUE(ZoomForMenuItem(c.item).has_value());
        EXPECT_EQ(*ZoomForMenuItem(c.item), c.zoom);
        EXPECT_EQ(ZoomPercent(c.zoom), c.percent);
    }
    EXPECT_FALSE(ZoomForMenuItem(ZoomItemFit).has_value());
    EXPECT_FALSE(ZoomForMenuItem(-1).has_value());
}

TEST(ZoomTest, FitPicksTheSmallestWholeStepThatHoldsBothDirections) {
    struct Case {
        model::Extents extents;
        int w, h;
        float zoom;
    };
    const Case cases[] = {
        {{-20, -20, 1480, 100}, 800, 600, 2}, // 1500 wide in 800 pixels
        {{0, 0, 700, 500}, 800, 600, 1},      // fits at one unit per pixel, still Z = 1
        {{0, 0, 800, 100}, 800, 600, 2},      // strictly less than k * width
        {{0, 0, 100, 2000}, 800, 600, 4},     // the height decides
        {{0, 0, 100000, 100}, 800, 600, 50},  // too wide even at the largest step
        {{0, 0, 100, 100}, 0, 0, 50},         // no picture yet
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FitZoom(c.extents, c.w, c.h), c.zoom) << c.extents.MaxX << "x" << c.extents.MaxY;
    }
}

TEST(ZoomTest, DialogTextGivesZoomAndCheckMark) {
    struct Case {
        const char* text;
        bool ok;
        int item;
        float zoom;
    };
    const Case cases[] = {
        {"25", true, 3, 3},    {"50", true, 2, 1},     {"75", true, 1, 1.0f / 3},
        {"100", true, 0, 0},   {"40", true, -1, 1.5f}, {"10", true, -1, 9},
        {"200", false, 0, 0},  {"5", false, 0, 0},     {"500", false, 0, 0},
        {"0", false, 0, 0},    {"", false, 0, 0},      {"abc", false, 0, 0},
        {"12.5", false, 0, 0}, {"-50", false, 0, 0},
    };
    for (const Case& c : cases) {
        const auto result = ApplyZoomDialog(c.text);
        ASSERT_EQ(result.has_value(), c.ok) << c.text;
        if (!c.ok) continue;
        EXPECT_EQ(result->CheckedItem, c.item) << c.text;
        EXPECT_FLOAT_EQ(result->Zoom, c.zoom) << c.text;
    }
}

TEST(BackScreenSizeTest, BoardDividedByZoomAndTheCap) {
    struct Case {
        int w, h;
        float zoom;
        std::int64_t pw, ph;
        bool fits;
    };
    const Case cases[] = {
        {2000, 2000, 0, 2000, 2000, true},
        {2000, 2000, 1.0f / 3, 1500, 1500, true},
        {12000, 12000, 3, 3000, 3000, true},
        {12000, 12000, 0, 12000, 12000, false}, // 576 MB
        {8192, 8192, 0, 8192, 8192, true},      // exactly 256 MB
        {8192, 8193, 0, 8192, 8193, false},
        {0, 0, 0, 1, 1, true},
        {2147483647, 2147483647, 0, 2147483647, 2147483647, false},
    };
    for (const Case& c : cases) {
        const PixelSize size = BackScreenPixelSize(c.w, c.h, c.zoom);
        EXPECT_EQ(size.Width, c.pw) << c.w;
        EXPECT_EQ(size.Height, c.ph) << c.h;
        EXPECT_EQ(BackScreenFits(size), c.fits) << c.w << "x" << c.h;
    }
}

TEST(ScrollLimitsTest, TScreenAndScrollBarLimits) {
    struct Case {
        int left;
        int layoutW;
        float visibleW;
        bool enabled;
        int max, value;
    };
    const Case cases[] = {
        {0, 2000, 800, true, 1200, 0},
        {0, 500, 800, false, 0, 0},        // board smaller than the window
        {0, 800, 800, true, 0, 0},         // reaches the far edge exactly
        {0, 2000, 800.6f, true, 1199, 0},  // rounded to the nearest unit
        {300, 2000, 1900, true, 100, 100}, // a value beyond the new maximum follows it
    };
    for (const Case& c : cases) {
        View view;
        view.HScroll.Value = c.left;
        SetTScreen(view, c.visibleW, 600);
        SetScrollLimits(view, c.layoutW, 2000, model::Extents{0, 0, 0, 0});
        EXPECT_EQ(view.HScroll.Enabled, c.enabled) << c.layoutW << " " << c.visibleW;
        EXPECT_EQ(view.HScroll.Max, c.max) << c.layoutW << " " << c.visibleW;
        EXPECT_EQ(view.HScroll.Value, c.value);
        EXPECT_EQ(view.Screen.Left, static_cast<float>(c.value));
        EXPECT_EQ(view.Screen.Right, c.value + c.visibleW);
        EXPECT_TRUE(view.VScroll.Enabled);
        EXPECT_EQ(view.VScroll.Max, 1400);
    }
}

TEST(GridTest, LinesAtEachSpacingNoneAtZero) {
    RecordingSurface s;
    app::Settings settings;
    settings.GridWidth = 300;
    settings.GridHeight = 500;
    s.SetDrawWidth(3);
    SetGrid(s, settings, 1000, 1000);
    EXPECT_EQ(s.Calls, (Calls{"L 300,0 300,1000 #12632256 w1", "L 600,0 600,1000 #12632256 w1",
                              "L 900,0 900,1000 #12632256 w1", "L 0,500 1000,500 #12632256 w1",
                              "L 0,1000 1000,1000 #12632256 w1"}));
    // The first line is drawn even beyond a small board; a zero spacing draws none.
    RecordingSurface small;
    settings.GridWidth = 0;
    SetGrid(small, settings, 100, 100);
    EXPECT_EQ(small.Calls, (Calls{"L 0,500 100,500 #12632256 w1"}));
}

TEST(RulerTest, TicksAlignWithTheBoardGrid) {
    RecordingSurface s;
    app::Settings settings;
    TScreen screen{250, 0, 330, 40, 80, 40};
    SetMemori(s, settings, screen, 2000, 2000);
    EXPECT_EQ(s.Calls, (Calls{"L 10,0 10,20 #12632256 w1", "L 30,0 30,20 #12632256 w1",
                              "L 50,0 50,20 #12632256 w1", "L 70,0 70,20 #12632256 w1",
                              "L 0,20 20,20 #12632256 w1", "L 0,40 20,40 #12632256 w1"}));
    // A step that rounds to zero draws nothing.
    RecordingSurface none;
    settings.GridWidth = 2;
    settings.GridHeight = 2;
    SetMemori(none, settings, screen, 2000, 2000);
    EXPECT_TRUE(none.Calls.empty());
    // A board ending inside the window: no tick beyond its edges (x 300, y 20).
    RecordingSurface edge;
    settings.GridWidth = settings.GridHeight = 100;
    SetMemori(edge, settings, screen, 300, 20);
    EXPECT_EQ(edge.Calls, (Calls{"L 10,0 10,20 #12632256 w1", "L 30,0 30,20 #12632256 w1",
                                 "L 50,0 50,20 #12632256 w1", "L 0,20 20,20 #12632256 w1"}));
}

TEST(NumberTest, GridCoordinatesAlongTheEdges) {
    RecordingSurface s;
    app::Settings settings;
    TScreen screen{250, 1000, 500, 1150, 250, 150};
    SetNumber(s, settings, screen, 2000, 2000);
    // The recording surface measures ten units per character and twelve high.
    EXPECT_EQ(s.Calls, (Calls{"T 35,2 '300' #0 MS UI Gothic 9 italic",
                              "T 135,2 '400' #0 MS UI Gothic 9 italic",
                              "T 235,2 '500' #0 MS UI Gothic 9 italic",
                              "T 2,94 '1100' #0 MS UI Gothic 9 italic"}));
}

TEST(NumberTest, LabelsNeverOverlapAndStopAtTheBoard) {
    // A grid line every 50 units while the labels of a 1000-unit board are 40 units
    // wide (the recording surface: ten a character): labels go to every second grid
    // line, and none past the board's edges.
    RecordingSurface s;
    app::Settings settings;
    settings.GridWidth = 50;
    TScreen screen{0, 0, 3000, 3000, 3000, 3000};
    SetNumber(s, settings, screen, 1000, 20000);
    std::vector<std::string> top;
    for (const auto& call : s.Calls)
        if (call.find(",2 '") != std::string::npos) top.push_back(call.substr(call.find('\'')));
    std::vector<std::string> expected;
    for (int n = 100; n <= 1000; n += 100)
        expected.push_back("'" + std::to_string(n) + "' #0 MS UI Gothic 9 italic");
    EXPECT_EQ(top, expected);
    const struct {
        long long grid;
        float extent;
        long long step;
    } steps[] = {{100, 40, 100},   {100, 66, 100},     {100, 70, 200},
                 {100, 140, 1000}, {100, 1400, 10000}, {50, 12, 50}};
    for (const auto& c : steps)
        EXPECT_EQ(LabelStep(c.grid, c.extent), c.step) << c.extent;
}

TEST(AutoScrollTest, ZonesInOrderAndDisabledBars) {
    struct Case {
        float x, y, mouseX, mouseY;
        bool hEnabled, vEnabled;
        int before, after;
    };
    // A 1000 x 800 window over a 2000 x 2000 board; zones 50 units deep.
    const Case cases[] = {
        {50, 400, 500, 500, true, true, 0, 1},    {51, 400, 500, 500, true, true, 3, 0},
        {50, 400, 99, 500, true, true, 0, 0},  // the board's left edge is in view
        {10, 10, 500, 500, true, true, 0, 1},  // the left rule wins over the top rule
        {10, 10, 500, 500, false, true, 4, 4}, // disabled bar: the zone is left as it was
        {500, 40, 500, 500, true, true, 0, 2},    {960, 400, 1500, 500, true, true, 0, 3},
        {1000, 400, 1500, 500, true, true, 3, 0}, // x must be inside the window
        {960, 400, 1960, 500, true, true, 0, 0},  // board ends within half a zone
        {500, 760, 500, 1500, true, true, 0, 4},  {500, 760, 500, 1500, true, false, 2, 2},
    };
    app::Settings settings;
    settings.DoAutoScroll = true;
    for (const Case& c : cases) {
        View view;
        view.Screen = {0, 0, 1000, 800, 1000, 800};
        view.HScroll.Enabled = c.hEnabled;
        view.VScroll.Enabled = c.vEnabled;
        view.AutoScrollState = static_cast<std::int16_t>(c.before);
        CheckAutoScroll(view, settings, 2000, 2000, c.mouseX, c.mouseY, c.x, c.y);
        EXPECT_EQ(view.AutoScrollState, c.after) << c.x << "," << c.y;
    }
    View off;
    off.AutoScrollState = 3;
    settings.DoAutoScroll = false;
    CheckAutoScroll(off, settings, 2000, 2000, 500, 500, 10, 10);
    EXPECT_EQ(off.AutoScrollState, 0);
}

TEST(ScrollLimitsTest, RangeCoversTheBoardAndEveryRail) {
    struct Case {
        model::Extents rails;
        int hMin, hMax, vMin, vMax;
    };
    // A 500 x 400 window over a 2000 x 2000 board.
    const Case cases[] = {
        {{0, 0, 0, 0}, 0, 1500, 0, 1600},               // nothing laid
        {{100, 100, 1900, 1900}, 0, 1500, 0, 1600},     // all on the board
        {{-300, -50, 800, 800}, -300, 1500, -50, 1600}, // past the left and top edges
        {{200, 200, 2600, 3000}, 0, 2100, 0, 2600},     // past the right and bottom edges
    };
    for (const Case& c : cases) {
        View view;
        view.Screen = {0, 0, 500, 400, 500, 400};
        view.HScroll.Value = -1000; // beyond any range: pulled back inside it
        SetScrollLimits(view, 2000, 2000, c.rails);
        EXPECT_EQ(view.HScroll.Min, c.hMin) << c.rails.MinX;
        EXPECT_EQ(view.HScroll.Max, c.hMax) << c.rails.MaxX;
        EXPECT_EQ(view.VScroll.Min, c.vMin) << c.rails.MinY;
        EXPECT_EQ(view.VScroll.Max, c.vMax) << c.rails.MaxY;
        EXPECT_EQ(view.HScroll.Value, c.hMin);
        EXPECT_EQ(view.Screen.Left, static_cast<float>(c.hMin));
    }
}

TEST(WheelTest, NotchesScrollAStepTouchpadsTheirPixelsShiftSideways) {
    const struct {
        WheelTurn turn;
        int h, v;
    } cases[] = {
        {{0, -120}, 500, 600},             // one notch down: one scroll step
        {{0, 120}, 500, 400},              // one notch up
        {{0, -120, 0, 0, true}, 600, 500}, // Shift: sideways
        {{0, 0, 0, -30}, 500, 560},        // touchpad: 30 pixels at two units a pixel
        {{0, -120, 0, -30}, 500, 560},     // a touchpad's pixels win over its angle
        {{0, -2400}, 500, 1000},           // no further than the bar's end
    };
    for (const auto& c : cases) {
        View view;
        view.Zoom = 1; // two units a pixel
        view.Screen = {500, 500, 900, 900, 400, 400};
        view.HScroll = {500, 1000, true, -200};
        view.VScroll = {500, 1000, true, 0};
        ScrollViewByWheel(view, c.turn, 100, 100);
        EXPECT_EQ(view.HScroll.Value, c.h) << c.turn.AngleY << " " << c.turn.PixelY;
        EXPECT_EQ(view.VScroll.Value, c.v) << c.turn.AngleY << " " << c.turn.PixelY;
    }
}

TEST(AutoScrollTest, StepsAreAQuarterZoneAndStayInRange) {
    struct Case {
        int value, max, zone, scrollWidth, after;
    };
    const Case cases[] = {
        {100, 1000, 11, 100, 75},  {100, 1000, 13, 100, 125}, {10, 1000, 11, 100, 10},
        {990, 1000, 13, 100, 990}, {1000, 1000, 11, 50, 988}, // 12.5 rounds to even
        {100, 1000, 12, 100, 75},  {100, 1000, 14, 100, 125}, {100, 1000, 3, 100, 100},
    };
    for (const Case& c : cases) {
        app::Settings settings;
        settings.ScrollWidth = static_cast<std::int16_t>(c.scrollWidth);
        settings.ScrollHeight = static_cast<std::int16_t>(c.scrollWidth);
        ScrollBar bar{c.value, c.max, true};
        EXPECT_EQ(AutoScrollStep(bar, c.zone, settings), c.after) << c.value << " zone " << c.zone;
    }
}

} // namespace
} // namespace ferrovane::render

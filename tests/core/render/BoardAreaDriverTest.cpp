#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/compute/render/BoardAreaDriver.h"
#include "core/render/RecordingSurface.h"
#include "core/values/model/Layout.h"
#include "support/RailBits.h"

namespace ferrovane::render {
namespace {

using testing::CallsOf;
using testing::RecordingSurface;

model::Rail Straight(float x, float y, bool upper = false) {
    return testing::OutlinedStraight(x, y, upper, 7);
}

BoardSnapshotPtr Snapshot(const std::vector<model::Rail>& rails, bool grid = false) {
    model::Layout layout = model::NewLayout();
    for (const model::Rail& r : rails)
        layout.AppendRail() = r;
    return MakeBoardSnapshot(layout, app::Settings{}, grid);
}

// The first corner of every rail outline drawn (its first line's start).
std::vector<std::string> RailStarts(const std::vector<std::string>& calls) {
    std::vector<std::string> starts;
    for (const std::string& c : CallsOf(calls, 'L'))
        if (c.find(" #7 ") != std::string::npos && c.find("L ") == 0)
            starts.push_back(c.substr(2, c.find(' ', 2) - 2));
    return starts;
}

TEST(BoardAreaDriverTest, DrawsOnlyTheRailsTouchingTheAreaInTheWholePicturesCoordinates) {
    const BoardSnapshotPtr s =
        Snapshot({Straight(100, 100), Straight(1500, 1500, true), Straight(450, 100)});
    RecordingSurface surface(600, 600);
    const PixelRect area{0, 0, 256, 256}; // 2 units per pixel: layout 0..512
    const AreaDrawing drawing = PrepareBoardArea(*s, 2, area);
    const PixelRect& scratch = drawing.Scratch;
    DrawBoardArea(surface, *s, 2, area, drawing);
    ASSERT_GE(surface.Calls.size(), 2u);
    // Origin first, then white: the surface covers the scratch rectangle.
    EXPECT_EQ(surface.Calls[0], "O " + std::to_string(scratch.X) + "," + std::to_string(scratch.Y));
    EXPECT_EQ(surface.Calls[1], "X");
    // Grid and border clipped to the area (and two pixels around) within the board, the
    // thin rails to the area and two pixels around.
    EXPECT_EQ(surface.Calls[2], "K 0,0 258x258");
    EXPECT_EQ(surface.Calls[5], "K");
    EXPECT_EQ(surface.Calls[6], "K -2,-2 260x260");
    EXPECT_EQ(surface.Calls.back(), "K");
    EXPECT_EQ(surface.Scale(), 2);
    // Rails 1 and 3 (in order), not rail 2, at their own layout coordinates.
    const auto starts = RailStarts(surface.Calls);
    ASSERT_FALSE(starts.empty());
    EXPECT_EQ(starts.front(), "100,100");
    EXPECT_NE(std::find(starts.begin(), starts.end(), "450,100"), starts.end());
    EXPECT_EQ(std::find(starts.begin(), starts.end(), "1500,1500"), starts.end());
    // The board's right and bottom border, at width 2.
    const auto lines = CallsOf(surface.Calls, 'L');
    EXPECT_NE(std::find(lines.begin(), lines.end(), "L 2000,0 2000,2000 #255 w2"), lines.end());
}

TEST(BoardAreaDriverTest, AStoppedDrawingLeavesTheRestOutAndTheSurfaceUnclipped) {
    const BoardSnapshotPtr s =
        Snapshot({Straight(100, 100), Straight(100, 200), Straight(100, 300)});
    const PixelRect area{0, 0, 500, 500};
    const AreaDrawing drawing = PrepareBoardArea(*s, 1, area);
    ASSERT_EQ(drawing.Rails.size(), 3u);
    std::size_t lines[4] = {};
    for (const int stopAfter : {0, 1, 3}) {
        RecordingSurface surface(600, 600);
        int asked = 0;
        DrawBoardArea(surface, *s, 1, area, drawing, [&] { return asked++ >= stopAfter; });
        lines[stopAfter] = RailStarts(surface.Calls).size();
        EXPECT_EQ(surface.Calls.back(), "K") << stopAfter;
    }
    EXPECT_EQ(lines[0], 0u);
    EXPECT_GT(lines[1], 0u);
    EXPECT_EQ(lines[3], 3 * lines[1]);
}

TEST(BoardAreaDriverTest, ScratchTakesInWholeRailsButStaysWithinTheMargin) {
    struct Case {
        const char* what;
        std::vector<model::Rail> rails;
        float scale;
        PixelRect area;
        PixelRect expected;
    };
    const int m = 4; // pen margin of a board without elevated rails
    // Always two pixels of room around the area.
    const Case cases[] = {
        {"no rails", {}, 1, {0, 0, 100, 100}, {-2, -2, 104, 104}},
        {"a rail inside", {Straight(10, 10)}, 1, {0, 0, 200, 200}, {-2, -2, 204, 204}},
        {"a rail across the right edge",
         {Straight(150, 10)},
         1,
         {0, 0, 200, 200},
         {-2, -2, 2 + 250 + m + 1, 204}},
        {"a rail nowhere near", {Straight(1500, 10)}, 1, {0, 0, 200, 200}, {-2, -2, 204, 204}},
    };
    for (const Case& c : cases) {
        const BoardSnapshotPtr s = Snapshot(c.rails);
        EXPECT_EQ(ScratchRect(*s, c.scale, c.area), c.expected) << c.what;
    }
    // A huge arc's box reaches far: the scratch stops MaxScratchMargin past the area.
    model::Rail big = Straight(0, 0);
    big.C3X = big.C4X = 20000;
    const BoardSnapshotPtr s = Snapshot({big});
    const PixelRect scratch = ScratchRect(*s, 1, {0, 0, 100, 100});
    EXPECT_EQ(scratch.Right(), 100 + MaxScratchMargin);
}

TEST(BoardAreaDriverTest, GridOnlyWhenShownAndElevatedRailsWiderPens) {
    const BoardSnapshotPtr s = Snapshot({Straight(100, 100, true)}, true);
    RecordingSurface surface(600, 600);
    const PixelRect area{0, 0, 300, 300};
    DrawBoardArea(surface, *s, 1, area, PrepareBoardArea(*s, 1, area));
    const auto lines = CallsOf(surface.Calls, 'L');
    EXPECT_NE(std::find(lines.begin(), lines.end(), "L 100,0 100,2000 #12632256 w1"), lines.end());
    EXPECT_NE(
        std::find_if(lines.begin(), lines.end(),
                     [](const std::string& l) { return l.find("#7 w3") != std::string::npos; }),
        lines.end());
    EXPECT_EQ(PenMargin(*s), 5);
    // The wide pen is drawn unclipped; the board's edge still clips the grid.
    const auto w3 = std::find_if(surface.Calls.begin(), surface.Calls.end(), [](const auto& c) {
        return c.find("#7 w3") != std::string::npos;
    });
    const auto lastClip = std::find_if(std::make_reverse_iterator(w3), surface.Calls.rend(),
                                       [](const std::string& c) { return c[0] == 'K'; });
    ASSERT_NE(lastClip, surface.Calls.rend());
    EXPECT_EQ(*lastClip, "K");
    RecordingSurface edge(600, 600);
    DrawBoardArea(edge, *s, 1, {1900, 1900, 300, 300},
                  PrepareBoardArea(*s, 1, {1900, 1900, 300, 300}));
    EXPECT_EQ(edge.Calls[2], "K 1898,1898 102x102");
}

} // namespace
} // namespace ferrovane::render

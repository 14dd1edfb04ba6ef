#include <gtest/gtest.h>

#include <random>

#include "core/compute/output/PageGrid.h"
#include "core/values/model/RailIndex.h"

namespace ferrovane::output {
namespace {

constexpr PaperArea A4Portrait{190, 277};

TEST(PageGrid, PagesCoverTheRangeWithTheOverlapAtEachScale) {
    const struct {
        LayoutRect Range;
        int Scale;
        int Rows, Columns;
        float UnitsPerMm;
    } cases[] = {
        {{0, 0, 1000, 600}, 1, 3, 6, 1},             // 1:1: 180 mm steps across, 267 mm down
        {{0, 0, 190, 277}, 1, 1, 1, 1},              // exactly one sheet
        {{0, 0, 191, 277}, 1, 1, 2, 1},              // a millimetre more needs a second column
        {{0, 0, 1000, 600}, 2, 2, 3, 2},             // 1:2: 360-unit steps
        {{0, 0, 1000, 600}, 10, 1, 1, 10},           // 1:10: one sheet holds 1900 by 2770
        {{0, 0, 1000, 600}, 0, 1, 1, 1000.0f / 190}, // fit: the width decides
        {{-50, -50, 300, 2000}, 0, 1, 1, 2000.0f / 277},
    };
    for (const auto& c : cases) {
        const PageGrid grid = MakePageGrid(c.Range, A4Portrait, c.Scale);
        SCOPED_TRACE(testing::Message()
                     << c.Range.Width << "x" << c.Range.Height << " 1:" << c.Scale);
        EXPECT_EQ(grid.Rows, c.Rows);
        EXPECT_EQ(grid.Columns, c.Columns);
        ASSERT_EQ(grid.Pages.size(), static_cast<std::size_t>(c.Rows * c.Columns));
        EXPECT_NEAR(grid.UnitsPerMm, c.UnitsPerMm, 1e-4);
        const PrintPage& first = grid.Pages.front();
        const PrintPage& last = grid.Pages.back();
        // Every page is a sheet at the scale, and together they cover the range.
        EXPECT_NEAR(first.Area.Width, A4Portrait.Width * grid.UnitsPerMm, 1e-3);
        EXPECT_NEAR(first.Area.Height, A4Portrait.Height * grid.UnitsPerMm, 1e-3);
        EXPECT_LE(first.Area.Left, c.Range.Left + 1e-3);
        EXPECT_LE(first.Area.Top, c.Range.Top + 1e-3);
        EXPECT_GE(last.Area.Right(), c.Range.Right() - 1e-3);
        EXPECT_GE(last.Area.Bottom(), c.Range.Bottom() - 1e-3);
        EXPECT_EQ(last.Row, c.Rows);
        EXPECT_EQ(last.Column, c.Columns);
        if (c.Columns > 1) { // neighbours share 10 mm of paper
            EXPECT_NEAR(first.Area.Right() - grid.Pages[1].Area.Left,
                        PageOverlapMm * grid.UnitsPerMm, 1e-3);
        }
    }
}

model::Rail RailAt(float x, float y, float w) {
    model::Rail r;
    r.Valid = true;
    r.MidX = x + w / 2, r.MidY = y;
    r.C1X = x, r.C1Y = y - 3, r.C2X = x + w, r.C2Y = y - 3;
    r.C3X = x + w, r.C3Y = y + 3, r.C4X = x, r.C4Y = y + 3;
    return r;
}

// The quick marking agrees with testing every rail against every page.
TEST(PageGrid, EmptyPagesAreThoseNoRailReaches) {
    model::Layout layout;
    layout.LayoutWidth = 3000, layout.LayoutHeight = 2000;
    std::mt19937 random(7);
    std::uniform_real_distribution<float> x(0, 2900), y(0, 1900), w(10, 400);
    for (int i = 0; i < 40; ++i) {
        model::Rail& r = layout.AppendRail();
        r = RailAt(x(random), y(random), w(random));
    }
    layout.Rails[5].Valid = false; // deleted rails do not count
    for (const int scale : {1, 2, 5}) {
        PageGrid grid = MakePageGrid(PrintRange(layout, false), A4Portrait, scale);
        MarkEmptyPages(grid, layout);
        int empty = 0;
        for (const PrintPage& page : grid.Pages) {
            bool reached = false;
            for (int i = 1; i <= layout.RailCount; ++i) {
                if (!layout.Rails[i].Valid) continue;
                const model::Extents e = model::RailExtents(layout.Rails[i]);
                reached = reached || (e.MaxX >= page.Area.Left && e.MinX <= page.Area.Right() &&
                                      e.MaxY >= page.Area.Top && e.MinY <= page.Area.Bottom());
            }
            EXPECT_EQ(page.HasRails, reached)
                << "1:" << scale << " page " << page.Row << "-" << page.Column;
            empty += reached ? 0 : 1;
        }
        if (scale == 1) {
            EXPECT_GT(empty, 0) << "40 rails leave some of the board's sheets empty";
        }
    }
}

TEST(PageGrid, TheAutomaticRangeIsTheLayoutsExtentsElseTheBoard) {
    model::Layout layout;
    layout.LayoutWidth = 3000, layout.LayoutHeight = 2000;
    model::Rail& r = layout.AppendRail();
    r = RailAt(500, 700, 248);
    EXPECT_EQ(PrintRange(layout, false), (LayoutRect{0, 0, 3000, 2000}));
    const LayoutRect range = PrintRange(layout, true);
    const model::Extents e = model::GetLayoutExtents(layout);
    EXPECT_EQ(range, (LayoutRect{static_cast<float>(e.MinX), static_cast<float>(e.MinY),
                                 static_cast<float>(e.MaxX - e.MinX),
                                 static_cast<float>(e.MaxY - e.MinY)}));
    EXPECT_LT(range.Left, 500);
    EXPECT_GT(range.Right(), 748);
}

} // namespace
} // namespace ferrovane::output

#include "core/compute/output/PageGrid.h"

#include <algorithm>
#include <cmath>

namespace ferrovane::output {

namespace {

// Pages needed to cover span units with pages of `page` units that advance by `step`.
int PagesFor(float span, float page, float step) {
    if (span <= page || step <= 0) return 1;
    return 1 + static_cast<int>(std::ceil((span - page) / step - 1e-4f));
}

} // namespace

PageGrid MakePageGrid(const LayoutRect& range, const PaperArea& printable, int scaleDenominator) {
    PageGrid grid;
    const float paperW = std::max(printable.Width, 1.0f);
    const float paperH = std::max(printable.Height, 1.0f);
    if (scaleDenominator <= 0) {
        grid.UnitsPerMm = std::max({range.Width / paperW, range.Height / paperH, 1e-3f});
        const float w = paperW * grid.UnitsPerMm, h = paperH * grid.UnitsPerMm;
        grid.Pages.push_back(
            {1,
             1,
             {range.Left - (w - range.Width) / 2, range.Top - (h - range.Height) / 2, w, h},
             true});
        return grid;
    }
    grid.UnitsPerMm = static_cast<float>(scaleDenominator);
    const float pageW = paperW * grid.UnitsPerMm, pageH = paperH * grid.UnitsPerMm;
    const float overlap = std::min(PageOverlapMm, std::min(paperW, paperH) / 2) * grid.UnitsPerMm;
    const float stepX = pageW - overlap, stepY = pageH - overlap;
    grid.Columns = PagesFor(range.Width, pageW, stepX);
    grid.Rows = PagesFor(range.Height, pageH, stepY);
    // The grid is centred over the range so the margins left over fall evenly.
    const float coverW = pageW + stepX * static_cast<float>(grid.Columns - 1);
    const float coverH = pageH + stepY * static_cast<float>(grid.Rows - 1);
    const float left = range.Left - (coverW - range.Width) / 2;
    const float top = range.Top - (coverH - range.Height) / 2;
    for (int r = 0; r < grid.Rows; ++r)
        for (int c = 0; c < grid.Columns; ++c)
            grid.Pages.push_back({r + 1,
                                  c + 1,
                                  {left + stepX * static_cast<float>(c),
                                   top + stepY * static_cast<float>(r), pageW, pageH},
                                  true});
    return grid;
}

PageSpan PagesReached(const PageGrid& grid, const model::Extents& box) {
    PageSpan span;
    if (grid.Pages.empty()) return span;
    // The pages are a regular grid: page k of a row covers [origin + k step, origin +
    // k step + page], so a box gives its rows and columns directly, and a board of
    // thousands of sheets costs no more than a few.
    const LayoutRect& first = grid.Pages.front().Area;
    const float stepX = grid.Columns > 1 ? grid.Pages[1].Area.Left - first.Left : first.Width;
    const float stepY =
        grid.Rows > 1 ? grid.Pages[static_cast<std::size_t>(grid.Columns)].Area.Top - first.Top
                      : first.Height;
    const auto reach = [](float lo, float hi, float origin, float page, float step, int count,
                          int& from, int& to) {
        from = std::max(static_cast<int>(std::floor((lo - origin - page) / step)) + 1, 0);
        to = std::min(static_cast<int>(std::floor((hi - origin) / step)), count - 1);
    };
    reach(static_cast<float>(box.MinX), static_cast<float>(box.MaxX), first.Left, first.Width,
          stepX, grid.Columns, span.FirstColumn, span.LastColumn);
    reach(static_cast<float>(box.MinY), static_cast<float>(box.MaxY), first.Top, first.Height,
          stepY, grid.Rows, span.FirstRow, span.LastRow);
    return span;
}

void MarkEmptyPages(PageGrid& grid, const model::Layout& layout) {
    for (PrintPage& page : grid.Pages)
        page.HasRails = false;
    const int last = std::min(layout.RailCount, static_cast<int>(layout.Rails.size()) - 1);
    for (int i = 1; i <= last; ++i) {
        const model::Rail& rail = layout.Rails[static_cast<std::size_t>(i)];
        if (!rail.Valid) continue;
        const PageSpan span = PagesReached(grid, model::RailExtents(rail));
        for (int r = span.FirstRow; r <= span.LastRow; ++r)
            for (int c = span.FirstColumn; c <= span.LastColumn; ++c)
                grid.Pages[static_cast<std::size_t>(r * grid.Columns + c)].HasRails = true;
    }
}

LayoutRect PrintRange(const model::Layout& layout, bool automaticRange) {
    if (!automaticRange)
        return {0, 0, static_cast<float>(layout.LayoutWidth),
                static_cast<float>(layout.LayoutHeight)};
    const model::Extents e = model::GetLayoutExtents(layout);
    return {static_cast<float>(e.MinX), static_cast<float>(e.MinY),
            static_cast<float>(e.MaxX - e.MinX), static_cast<float>(e.MaxY - e.MinY)};
}

} // namespace ferrovane::output

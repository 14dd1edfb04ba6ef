#include "core/commands/output/PrintPlan.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/commands/render/PrintDrivers.h"
#include "core/commands/workspace/Workspace.h"
#include "core/compute/output/PartsList.h"
#include "core/values/platform/UiHost.h"
#include "core/values/text/Messages.h"

namespace ferrovane::output {

namespace {

constexpr render::Colour MarkColour = 0xA0A0A0; // light grey: over the plan but not in the way
constexpr float MarkFontPoints = 7;
constexpr float CrossMm = 4;
constexpr float RulerMm = 100;
// Curves bulge a little past the box of their ends and middle.
constexpr int RailReachSlack = 20;

model::Extents Widened(model::Extents e, int by) {
    return {e.MinX - by, e.MinY - by, e.MaxX + by, e.MaxY + by};
}

render::Font MarkFont() {
    render::Font font;
    font.Size = MarkFontPoints;
    font.ZoomsWithBoard = false; // marks keep their size on paper at every scale
    return font;
}

// Lines and text of the marks, in millimetres from the sheet's top-left corner.
class SheetPen {
public:
    SheetPen(render::Surface& surface, float unitsPerMm)
        : mSurface(surface), mUnitsPerMm(unitsPerMm) {}
    void Line(float x1, float y1, float x2, float y2) {
        mSurface.Line({x1 * mUnitsPerMm, y1 * mUnitsPerMm}, {x2 * mUnitsPerMm, y2 * mUnitsPerMm},
                      MarkColour);
    }
    void Text(float x, float y, const std::string& text) {
        mSurface.CurrentX = x * mUnitsPerMm;
        mSurface.CurrentY = y * mUnitsPerMm;
        mSurface.Print(text);
    }

private:
    render::Surface& mSurface;
    float mUnitsPerMm;
};

// Ticks along the sheet's top and left edges every fifth of the grid, on the board's grid.
void DrawRuler(const app::Workspace& ws, render::Surface& surface, const LayoutRect& area,
               float unitsPerMm) {
    const app::Settings& s = ws.Settings;
    const float tick = 3 * unitsPerMm;
    surface.SetDrawWidth(1);
    if (s.GridWidth >= 5) {
        const float step = s.GridWidth / 5;
        for (float x = std::ceil(area.Left / step) * step; x <= area.Right(); x += step)
            surface.Line({x - area.Left, 0}, {x - area.Left, tick}, s.GridColor);
    }
    if (s.GridHeight >= 5) {
        const float step = s.GridHeight / 5;
        for (float y = std::ceil(area.Top / step) * step; y <= area.Bottom(); y += step)
            surface.Line({0, y - area.Top}, {tick, y - area.Top}, s.GridColor);
    }
}

std::string ScaleText(const PrintPlan& plan, const PrintSettings& settings) {
    if (settings.ScaleDenominator <= 0) {
        char scale[32];
        std::snprintf(scale, sizeof scale, "%.1f", static_cast<double>(plan.Grid.UnitsPerMm));
        return text::Msg(text::MessageId::WholeOnOnePage, {scale});
    }
    return "1:" + std::to_string(settings.ScaleDenominator);
}

void DrawMarks(render::Surface& surface, const PrintPlan& plan, const PlanPage& page,
               const PrintSettings& settings) {
    const PageGrid& grid = plan.Grid;
    const float w = page.Page.Area.Width / grid.UnitsPerMm; // sheet size in mm
    const float h = page.Page.Area.Height / grid.UnitsPerMm;
    SheetPen pen(surface, grid.UnitsPerMm);
    surface.SetDrawWidth(1);
    surface.SetFont(MarkFont());
    const render::Colour previous = surface.ForeColor();
    surface.SetForeColor(MarkColour);
    std::string name = ScaleText(plan, settings);
    if (grid.Pages.size() > 1) name = PageName(page.Page) + "  " + name;
    pen.Text(2, 2, name);
    // Crosses where the neighbouring sheets' edges fall, to lay them over each other.
    std::vector<float> xs, ys;
    if (page.Page.Column > 1) xs.push_back(PageOverlapMm);
    if (page.Page.Column < grid.Columns) xs.push_back(w - PageOverlapMm);
    if (page.Page.Row > 1) ys.push_back(PageOverlapMm);
    if (page.Page.Row < grid.Rows) ys.push_back(h - PageOverlapMm);
    // Along an overlap line with no neighbour across it the crosses sit near the edges.
    const std::vector<float> edgeXs{PageOverlapMm, w - PageOverlapMm};
    const std::vector<float> edgeYs{PageOverlapMm, h - PageOverlapMm};
    if (!xs.empty() || !ys.empty()) {
        for (const float x : xs.empty() ? edgeXs : xs)
            for (const float y : ys.empty() ? edgeYs : ys) {
                pen.Line(x - CrossMm, y, x + CrossMm, y);
                pen.Line(x, y - CrossMm, x, y + CrossMm);
            }
    }
    // At full size a 100 mm ruler shows whether the printer kept the scale.
    if (settings.ScaleDenominator == 1 && w > RulerMm + 10 && h > 20) {
        const float y = h - 6, x0 = 5;
        pen.Line(x0, y, x0 + RulerMm, y);
        for (int k = 0; k <= 10; ++k) {
            const float x = x0 + static_cast<float>(k) * 10;
            pen.Line(x, y, x, y - (k % 5 == 0 ? 3.0f : 1.5f));
        }
        pen.Text(x0 + RulerMm + 2, y - 3, "100 mm");
    }
    surface.SetForeColor(previous);
}

} // namespace

std::string PageName(const PrintPage& page) {
    return std::to_string(page.Row) + "-" + std::to_string(page.Column);
}

void DrawPlanGrid(const app::Workspace& ws, render::Surface& surface, const LayoutRect& area) {
    const app::Settings& s = ws.Settings;
    const float boardW = static_cast<float>(ws.Layout.LayoutWidth);
    const float boardH = static_cast<float>(ws.Layout.LayoutHeight);
    const float top = std::max(area.Top, 0.0f), bottom = std::min(area.Bottom(), boardH);
    const float left = std::max(area.Left, 0.0f), right = std::min(area.Right(), boardW);
    surface.SetDrawWidth(1);
    if (s.GridWidth > 0 && top < bottom) {
        const float w = s.GridWidth;
        for (float x = std::max(w, std::ceil(left / w) * w); x <= right; x += w)
            surface.Line({x - area.Left, top - area.Top}, {x - area.Left, bottom - area.Top},
                         s.GridColor);
    }
    if (s.GridHeight > 0 && left < right) {
        const float h = s.GridHeight;
        for (float y = std::max(h, std::ceil(top / h) * h); y <= bottom; y += h)
            surface.Line({left - area.Left, y - area.Top}, {right - area.Left, y - area.Top},
                         s.GridColor);
    }
}

PrintPlan MakePrintPlan(const app::Workspace& ws, const PaperArea& printable,
                        const PrintSettings& settings) {
    PrintPlan plan;
    plan.Range = PrintRange(ws.Layout, settings.AutoRange);
    plan.Grid = MakePageGrid(plan.Range, printable, settings.ScaleDenominator);
    plan.PartsPage = settings.PartsPage;
    const PageGrid& grid = plan.Grid;
    std::vector<std::vector<int>> rails(grid.Pages.size());
    const model::Layout& layout = ws.Layout;
    const int last = std::min(layout.RailCount, static_cast<int>(layout.Rails.size()) - 1);
    for (int i = 1; i <= last; ++i) {
        const model::Rail& rail = layout.Rails[static_cast<std::size_t>(i)];
        if (!rail.Valid) continue;
        const PageSpan span = PagesReached(grid, Widened(model::RailExtents(rail), RailReachSlack));
        for (int r = span.FirstRow; r <= span.LastRow; ++r)
            for (int c = span.FirstColumn; c <= span.LastColumn; ++c)
                rails[static_cast<std::size_t>(r * grid.Columns + c)].push_back(i);
    }
    for (std::size_t k = 0; k < grid.Pages.size(); ++k) {
        PrintPage page = grid.Pages[k];
        page.HasRails = !rails[k].empty();
        // A plan that fits on one sheet always prints it.
        if (settings.SkipEmptyPages && !page.HasRails && grid.Pages.size() > 1) continue;
        plan.Pages.push_back({page, std::move(rails[k])});
    }
    // Nothing on any sheet: one empty sheet rather than a document without pages.
    if (plan.Pages.empty()) {
        plan.Pages.push_back({grid.Pages.front(), {}});
        plan.Pages.back().Page.HasRails = false;
    }
    return plan;
}

float PlanSurfaceScale(const PrintPlan& plan, float pixelsPerMm) {
    return plan.Grid.UnitsPerMm / std::max(pixelsPerMm, 1e-3f);
}

void DrawPlanPage(const app::Workspace& ws, render::Surface& surface, const PrintPlan& plan,
                  const PlanPage& page, const PrintSettings& settings) {
    const LayoutRect& area = page.Page.Area;
    if (settings.Grid) DrawPlanGrid(ws, surface, area);
    render::PrintOptions options;
    options.Origin = {area.Left, area.Top};
    options.InColour = settings.InColour;
    if (settings.Texts) render::DrawTextsOnPrinter(ws, surface, options, &page.Rails);
    render::DrawLayoutOnPrinter(ws, surface, options, &page.Rails);
    surface.SetDrawWidth(1);
    if (settings.Ruler) DrawRuler(ws, surface, area, plan.Grid.UnitsPerMm);
    DrawMarks(surface, plan, page, settings);
}

void DrawPartsPage(const app::Workspace& ws, render::Surface& surface, float pixelsPerMm) {
    // The sheet is in millimetres here: one unit a millimetre.
    surface.SetScale(1 / std::max(pixelsPerMm, 1e-3f));
    render::Font font;
    font.Name = "Monospace";
    font.Size = 10;
    font.ZoomsWithBoard = false;
    surface.SetFont(font);
    surface.SetForeColor(render::Black);
    const float lineMm = 5;
    float y = 10;
    for (const std::string& line : BuildPartsList(ws.Layout)) {
        surface.CurrentX = 10;
        surface.CurrentY = y;
        surface.Print(line);
        y += lineMm;
    }
}

void WarnAboutTexts(app::Workspace& ws, const PrintSettings& settings) {
    if (!settings.Texts) return;
    const model::Layout& layout = ws.Layout;
    const int last = std::min(layout.RailCount, static_cast<int>(layout.Rails.size()) - 1);
    for (int i = 1; i <= last; ++i) {
        const model::Rail& rail = layout.Rails[static_cast<std::size_t>(i)];
        if (!rail.Valid || rail.Kind != model::KindText) continue;
        platform::ShowModal(*ws.Host,
                            {TextsWarning(), TextsWarningTitle(),
                             platform::MessageIcon::Exclamation, platform::MessageButtons::Ok});
        return;
    }
}

void ReportPrinterFailure(app::Workspace& ws) {
    platform::ShowModal(*ws.Host,
                        {PrinterFailure(), PrinterFailureTitle(),
                         platform::MessageIcon::Exclamation, platform::MessageButtons::Ok});
}

} // namespace ferrovane::output

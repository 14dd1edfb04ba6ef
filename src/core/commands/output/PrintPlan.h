#pragma once

#include <string>
#include <vector>

#include "core/compute/output/PageGrid.h"
#include "core/compute/render/Surface.h"
#include "core/values/text/Messages.h"

namespace ferrovane::app {
struct Workspace;
}

namespace ferrovane::output {

// What the print preview lets the user choose.
struct PrintSettings {
    bool Texts = true;        // "文字を印刷する"
    bool PartsPage = false;   // "2枚目にレール総計を印刷する"
    bool InColour = false;    // "カラーで印刷する"
    bool Ruler = false;       // "目盛りを印刷する"
    bool Grid = false;        // "グリッドを印刷する"
    bool AutoRange = false;   // "自動範囲調整(&A)"
    int ScaleDenominator = 0; // 0: "全体を1ページに"; n: 1:n
    bool SkipEmptyPages = true;
};

// The fixed scales offered besides fitting on one page.
inline constexpr int PrintScales[] = {1, 2, 5, 10};

// One sheet to print and the rails that reach it (in drawing order).
struct PlanPage {
    PrintPage Page;
    std::vector<int> Rails;
};

// The sheets of a plan: the grid over the range and the pages that will be printed
// (the empty ones left out when asked, but never all of them: a plan with nothing on
// it is its first sheet, empty), then the parts list when asked.
struct PrintPlan {
    LayoutRect Range;
    PageGrid Grid;
    std::vector<PlanPage> Pages;
    bool PartsPage = false;
    int SheetCount() const { return static_cast<int>(Pages.size()) + (PartsPage ? 1 : 0); }
};

PrintPlan MakePrintPlan(const app::Workspace& ws, const PaperArea& printable,
                        const PrintSettings& settings);

// Draws a plan sheet. The surface's top-left corner is the corner of the printable
// area and its scale is layout units per device pixel: the plan's units per millimetre
// divided by the device's pixels per millimetre. Rails are drawn by the printer
// drivers (labels first when printed, then rails; black unless in colour), with the
// ruler and grid when asked, and the sheet's marks in light grey: its row and column,
// the scale, the alignment crosses where neighbours overlap and, at 1:1, a 100 mm
// ruler to check the printer did not scale.
void DrawPlanPage(const app::Workspace& ws, render::Surface& surface, const PrintPlan& plan,
                  const PlanPage& page, const PrintSettings& settings);

// The board's grid lines that cross the area, with the area's corner at the surface's.
void DrawPlanGrid(const app::Workspace& ws, render::Surface& surface, const LayoutRect& area);

// The parts list on a sheet of its own, top-left, in a fixed-pitch font.
void DrawPartsPage(const app::Workspace& ws, render::Surface& surface, float pixelsPerMm);

// The device scale for a plan on a device of pixelsPerMm.
float PlanSurfaceScale(const PrintPlan& plan, float pixelsPerMm);

// The sheet's name as its marks show it: "row-column".
std::string PageName(const PrintPage& page);

inline const char* TextsWarningTitle() {
    return text::Msg(text::MessageId::TextsWarningTitle);
}
inline const char* TextsWarning() {
    return text::Msg(text::MessageId::TextsWarning);
}
inline const char* PrinterFailureTitle() {
    return text::Msg(text::MessageId::PrinterFailureTitle);
}
inline const char* PrinterFailure() {
    return text::Msg(text::MessageId::PrinterFailure);
}

// Before printing texts: the layout holds labels, so the user is told that their
// placing depends on the font.
void WarnAboutTexts(app::Workspace& ws, const PrintSettings& settings);
// A page that did not reach the printer.
void ReportPrinterFailure(app::Workspace& ws);

} // namespace ferrovane::output

#include "core/commands/output/SvgPlan.h"

#include <algorithm>

#include "core/commands/render/PrintDrivers.h"
#include "core/commands/workspace/Workspace.h"
#include "core/compute/render/SvgSurface.h"
#include "core/compute/render/TextLabelDrawer.h"
#include "core/values/format/Blanks.h"
#include "core/values/platform/AtomicFile.h"

namespace ferrovane::output {

std::string LayoutSvg(const app::Workspace& ws, const PrintSettings& settings,
                      const PaperArea& paper) {
    const LayoutRect range = PrintRange(ws.Layout, settings.AutoRange);
    const float unitsPerMm = settings.ScaleDenominator > 0
                                 ? static_cast<float>(settings.ScaleDenominator)
                                 : MakePageGrid(range, paper, 0).UnitsPerMm;
    render::SvgSurface svg(range.Width / unitsPerMm, range.Height / unitsPerMm);
    svg.SetScale(unitsPerMm);
    if (settings.Grid) DrawPlanGrid(ws, svg, range);
    render::PrintOptions options;
    options.Origin = {range.Left, range.Top};
    options.InColour = settings.InColour;
    const model::Layout& layout = ws.Layout;
    const int last = std::min(layout.RailCount, static_cast<int>(layout.Rails.size()) - 1);
    // Labels first, as on paper, so rails are drawn over them.
    for (const bool texts : {true, false}) {
        if (texts && !settings.Texts) continue;
        for (int i = 1; i <= last; ++i) {
            const model::Rail& rail = layout.Rails[static_cast<std::size_t>(i)];
            if (!rail.Valid || (rail.Kind == model::KindText) != texts) continue;
            svg.BeginGroup(texts ? render::LabelText(rail) : document::TrimBlanks(rail.Name));
            render::DrawPrintedRail(ws, svg, options, i, render::PrinterElevatedWidth);
            svg.EndGroup();
        }
    }
    std::string title = layout.LayoutFileName.empty() ? "Ferrovane" : layout.LayoutFileName;
    return svg.Document(title);
}

bool WriteLayoutSvg(const app::Workspace& ws, const PrintSettings& settings, const PaperArea& paper,
                    const std::string& path, document::FileError& error) {
    return platform::WriteFileAtomically(path, LayoutSvg(ws, settings, paper), error);
}

} // namespace ferrovane::output

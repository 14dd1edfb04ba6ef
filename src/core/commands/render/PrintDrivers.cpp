#include "core/commands/render/PrintDrivers.h"

#include <algorithm>

#include "core/commands/workspace/Workspace.h"
#include "core/compute/render/RailColor.h"
#include "core/compute/render/RailDispatch.h"

namespace ferrovane::render {

namespace {

enum class Pass { All, RailsOnly, TextsOnly };

void DrawPass(const app::Workspace& ws, Surface& surface, const PrintOptions& options,
              int elevatedWidth, Pass pass, const std::vector<int>* rails) {
    const int last =
        std::min<int>(ws.Layout.RailCount, static_cast<int>(ws.Layout.Rails.size()) - 1);
    const auto draw = [&](int i) {
        if (i < 1 || i > last || !ws.Layout.Rails[static_cast<std::size_t>(i)].Valid) return;
        const bool text = ws.Layout.Rails[static_cast<std::size_t>(i)].Kind == model::KindText;
        if ((pass == Pass::RailsOnly && text) || (pass == Pass::TextsOnly && !text)) return;
        DrawPrintedRail(ws, surface, options, i, elevatedWidth);
    };
    if (rails) {
        for (const int i : *rails)
            draw(i);
        return;
    }
    for (int i = 1; i <= last; ++i)
        draw(i);
}

} // namespace

void DrawPrintedRail(const app::Workspace& ws, Surface& surface, const PrintOptions& options,
                     int rail, int elevatedWidth) {
    // Print surfaces never highlight.
    const DrawContext context{ws.Layout.Rails, ws.Settings, options.Origin, false};
    const model::Rail* r = context.ValidRailAt(rail);
    if (r == nullptr) return;
    surface.SetDrawWidth(r->Upper ? elevatedWidth : 1);
    const Colour colour = options.InColour ? GetRailColor(context, rail) : Black;
    DrawRailByKind(context, rail, colour, surface, false);
}

void DrawLayoutOnPPicture(const app::Workspace& ws, Surface& surface, const PrintOptions& options) {
    DrawPass(ws, surface, options, 3, options.Texts ? Pass::All : Pass::RailsOnly, nullptr);
    surface.SetDrawWidth(1);
}

void DrawLayoutOnPrinter(const app::Workspace& ws, Surface& surface, const PrintOptions& options,
                         const std::vector<int>* rails) {
    DrawPass(ws, surface, options, PrinterElevatedWidth, Pass::RailsOnly, rails);
}

void DrawTextsOnPrinter(const app::Workspace& ws, Surface& surface, const PrintOptions& options,
                        const std::vector<int>* rails) {
    DrawPass(ws, surface, options, PrinterElevatedWidth, Pass::TextsOnly, rails);
}

} // namespace ferrovane::render

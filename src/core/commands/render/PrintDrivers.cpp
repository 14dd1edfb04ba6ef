#include "core/commands/render/PrintDrivers.h"

#include <algorithm>

#include "core/commands/workspace/Workspace.h"
#include "core/compute/render/RailColor.h"
#include "core/compute/render/RailDispatch.h"

namespace ferrovane::render {

namespace {

enum class Pass { All, RailsOnly, TextsOnly };

void DrawPass(const app::Workspace& ws, Surface& surface, const PrintOptions& options,
              int elevatedWidth, Pass pass) {
    // Print surfaces never highlight.
    const DrawContext context{ws.Layout.Rails, ws.Settings, options.Origin, false};
    const int last =
        std::min<int>(ws.Layout.RailCount, static_cast<int>(ws.Layout.Rails.size()) - 1);
    for (int i = 1; i <= last; ++i) {
        const model::Rail& rail = ws.Layout.Rails[static_cast<std::size_t>(i)];
        if (!rail.Valid) continue;
        const bool text = rail.Kind == model::KindText;
        if ((pass == Pass::RailsOnly && text) || (pass == Pass::TextsOnly && !text)) continue;
        surface.SetDrawWidth(rail.Upper ? elevatedWidth : 1);
        const Colour colour = options.InColour ? GetRailColor(context, i) : Black;
        DrawRailByKind(context, i, colour, surface, false);
    }
}

} // namespace

void DrawLayoutOnPPicture(const app::Workspace& ws, Surface& surface, const PrintOptions& options) {
    DrawPass(ws, surface, options, 3, Pass::All);
    surface.SetDrawWidth(1);
}

void DrawLayoutOnPrinter(const app::Workspace& ws, Surface& surface, const PrintOptions& options) {
    DrawPass(ws, surface, options, 5, Pass::RailsOnly);
}

void DrawTextsOnPrinter(const app::Workspace& ws, Surface& surface, const PrintOptions& options) {
    DrawPass(ws, surface, options, 5, Pass::TextsOnly);
}

} // namespace ferrovane::render

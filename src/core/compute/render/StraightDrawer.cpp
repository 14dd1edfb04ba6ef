#include "core/compute/render/StraightDrawer.h"

#include "core/compute/render/CentreMarker.h"

namespace ferrovane::render {

void DrawStraightRail(const DrawContext& context, int index, Colour colour, Surface& surface,
                      bool centreMarker) {
    const model::Rail* rail = context.ValidRailAt(index);
    if (rail == nullptr) return;
    const ViewOrigin& o = context.Origin;
    DrawLine(surface, o, {rail->C1X, rail->C1Y}, {rail->C2X, rail->C2Y}, colour);
    DrawLineTo(surface, o, {rail->C3X, rail->C3Y}, colour);
    DrawLineTo(surface, o, {rail->C4X, rail->C4Y}, colour);
    DrawLineTo(surface, o, {rail->C1X, rail->C1Y}, colour);
    if (centreMarker) DrawCentreMarker(context, *rail, colour, surface);
}

} // namespace ferrovane::render

#include "core/compute/render/CurveDrawer.h"

#include "core/compute/render/CentreMarker.h"

namespace ferrovane::render {

std::optional<std::pair<float, float>> CurveArcAngles(int dir, float arcStart, float arcSweep) {
    if (dir == CurveIncreasing) return std::pair{arcStart, arcStart + arcSweep};
    if (dir == CurveDecreasing) {
        // Mirrored about the centre: the same arc seen from its other side.
        return std::pair{static_cast<float>(arcStart + ArcPi - arcSweep),
                         static_cast<float>(arcStart + ArcPi)};
    }
    return std::nullopt;
}

void DrawTrackArcs(const DrawContext& context, model::Point centre, float radius, Colour colour,
                   Surface& surface, float& a, float& b) {
    const float w = context.Settings.RailWidth;
    DrawArc(surface, context.Origin, centre, radius - w, colour, a, b, false);
    DrawArc(surface, context.Origin, centre, radius + w, colour, a, b, false);
}

void DrawCurveRail(const DrawContext& context, int index, Colour colour, Surface& surface,
                   bool centreMarker) {
    const model::Rail* rail = context.ValidRailAt(index);
    if (rail == nullptr) return;
    if (auto angles = CurveArcAngles(rail->Dir, rail->ArcStart, rail->ArcSweep)) {
        DrawTrackArcs(context, {rail->CenterX, rail->CenterY}, rail->Radius, colour, surface,
                      angles->first, angles->second);
    }
    const ViewOrigin& o = context.Origin;
    DrawLine(surface, o, {rail->C1X, rail->C1Y}, {rail->C2X, rail->C2Y}, colour);
    DrawLine(surface, o, {rail->C3X, rail->C3Y}, {rail->C4X, rail->C4Y}, colour);
    if (centreMarker) DrawCentreMarker(context, *rail, colour, surface);
}

} // namespace ferrovane::render

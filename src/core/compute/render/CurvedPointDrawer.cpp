#include "core/compute/render/CurvedPointDrawer.h"

#include <cmath>

#include "core/compute/render/CentreMarker.h"
#include "core/compute/render/CurveDrawer.h"

namespace ferrovane::render {

namespace {

// d = (sign * L * sin angle, sign * L * cos angle), in the direction of that angle.
model::Point StubAlong(float length, float angle, float sign) {
    return {static_cast<float>(sign * length * std::sin(static_cast<double>(angle))),
            static_cast<float>(sign * length * std::cos(static_cast<double>(angle)))};
}

} // namespace

std::optional<CurvedPointShape> CurvedPointShapeOf(const model::Rail& rail) {
    const float a = rail.ArcStart;
    const float s = rail.ArcSweep;
    const float l = rail.Length;
    switch (rail.Dir) {
    case 100:
        return CurvedPointShape{StubAlong(l, a, -1), CurveIncreasing};
    case 101:
        return CurvedPointShape{StubAlong(l, a, -1), CurveDecreasing};
    case 102:
        return CurvedPointShape{StubAlong(l, a - s, 1), CurveDecreasing};
    case 103:
        return CurvedPointShape{StubAlong(l, a + s, 1), CurveIncreasing};
    case 104:
        return CurvedPointShape{StubAlong(l, a + s, 1), CurveIncreasing};
    case 105:
        return CurvedPointShape{StubAlong(l, a - s, 1), CurveDecreasing};
    default:
        return std::nullopt;
    }
}

void DrawCurvedPointRail(const DrawContext& context, int index, Colour colour, Surface& surface,
                         bool centreMarker) {
    const model::Rail* rail = context.ValidRailAt(index);
    if (rail == nullptr) return;
    if (centreMarker) DrawCentreMarker(context, *rail, colour, surface);
    model::Point d{0, 0};
    if (auto shape = CurvedPointShapeOf(*rail)) {
        d = shape->Stub;
        if (auto angles = CurveArcAngles(shape->CurveDir, rail->ArcStart, rail->ArcSweep)) {
            const model::Point centre{rail->CenterX, rail->CenterY};
            DrawTrackArcs(context, centre, rail->Radius, colour, surface, angles->first,
                          angles->second);
            DrawTrackArcs(context, {centre.X + d.X, centre.Y + d.Y}, rail->Radius, colour, surface,
                          angles->first, angles->second);
        }
    }
    const ViewOrigin& o = context.Origin;
    const model::Point c1{rail->C1X, rail->C1Y};
    surface.CurrentX = c1.X - o.Left;
    surface.CurrentY = c1.Y - o.Top;
    DrawLineBy(surface, d, colour);
    DrawLine(surface, o, c1, {rail->C2X, rail->C2Y}, colour);
    DrawLineBy(surface, d, colour);
    DrawLine(surface, o, {rail->C3X, rail->C3Y}, {rail->C4X, rail->C4Y}, colour);
    DrawLine(surface, o, {rail->C5X, rail->C5Y}, {rail->C6X, rail->C6Y}, colour);
}

} // namespace ferrovane::render

#include "core/compute/render/PointDrawer.h"

#include "core/compute/render/CentreMarker.h"
#include "core/compute/render/CurveDrawer.h"
#include "core/compute/render/CurvedPointDrawer.h"

namespace ferrovane::render {

int PointBranchCurveDir(int dir) {
    if (dir < 0 || dir > 5) return -1;
    return dir % 2 == 0 ? CurveIncreasing : CurveDecreasing;
}

void DrawPointRail(const DrawContext& context, int index, Colour colour, Surface& surface,
                   bool centreMarker) {
    const model::Rail* rail = context.ValidRailAt(index);
    if (rail == nullptr) return;
    if (rail->Dir >= CurvedPointFirstDir) {
        DrawCurvedPointRail(context, index, colour, surface, centreMarker);
        return;
    }
    const ViewOrigin& o = context.Origin;
    const model::Point c1{rail->C1X, rail->C1Y}, c2{rail->C2X, rail->C2Y};
    const model::Point c3{rail->C3X, rail->C3Y}, c4{rail->C4X, rail->C4Y};
    DrawLine(surface, o, c1, c2, colour);
    DrawLine(surface, o, c2, c3, colour);
    DrawLine(surface, o, c3, c4, colour);
    DrawLine(surface, o, c4, c1, colour);
    DrawLine(surface, o, {rail->C5X, rail->C5Y}, {rail->C6X, rail->C6Y}, colour);
    if (centreMarker) DrawCentreMarker(context, *rail, colour, surface);
    if (auto angles =
            CurveArcAngles(PointBranchCurveDir(rail->Dir), rail->ArcStart, rail->ArcSweep)) {
        DrawTrackArcs(context, {rail->CenterX, rail->CenterY}, rail->Radius, colour, surface,
                      angles->first, angles->second);
    }
}

} // namespace ferrovane::render

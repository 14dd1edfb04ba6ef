#include "core/compute/render/FlexDrawer.h"

#include <cmath>

#include "core/compute/geometry/FlexGeometry.h"
#include "core/compute/render/CentreMarker.h"

namespace ferrovane::render {

model::Point SegmentNormal(model::Point p, model::Point q, float halfWidth) {
    const float dx = q.X - p.X;
    const float dy = q.Y - p.Y;
    if (dy == 0) return {0, halfWidth};
    const float ox = halfWidth / std::sqrt(dx * dx / (dy * dy) + 1);
    return {ox, -dx * ox / dy};
}

// The same curve the flexible rail was laid along.
model::Point BezierPoint(model::Point p0, model::Point p1, model::Point p2, model::Point p3,
                         float t) {
    const geometry::FlexPoint q =
        geometry::FlexBezierPoint({p0.X, p0.Y}, {p1.X, p1.Y}, {p2.X, p2.Y}, {p3.X, p3.Y}, t);
    return {q.X, q.Y};
}

void DrawThickSegment(Surface& surface, const ViewOrigin& origin, model::Point p, model::Point q,
                      float halfWidth, Colour colour, int capMode) {
    const model::Point o = SegmentNormal(p, q, halfWidth);
    const model::Point pPlus{p.X + o.X, p.Y + o.Y}, pMinus{p.X - o.X, p.Y - o.Y};
    const model::Point qPlus{q.X + o.X, q.Y + o.Y}, qMinus{q.X - o.X, q.Y - o.Y};
    DrawLine(surface, origin, pPlus, qPlus, colour);
    DrawLine(surface, origin, pMinus, qMinus, colour);
    if (capMode == CapStart || capMode == CapBoth) DrawLine(surface, origin, pPlus, pMinus, colour);
    if (capMode == CapEnd || capMode == CapBoth) DrawLine(surface, origin, qPlus, qMinus, colour);
}

void DrawFlexCurve(Surface& surface, const ViewOrigin& origin, model::Point e0, model::Point c1,
                   model::Point c2, model::Point e1, float halfWidth, int divides, Colour colour) {
    model::Point p = e0;
    for (int i = 1; i <= divides; ++i) {
        const float t = static_cast<float>(i) / static_cast<float>(divides);
        const model::Point q = BezierPoint(e0, c1, c2, e1, t);
        const int cap = i == 1 ? CapStart : (i == divides ? CapEnd : CapNone);
        DrawThickSegment(surface, origin, p, q, halfWidth, colour, cap);
        p = q;
    }
}

void DrawFlexRail(const DrawContext& context, int index, Colour colour, Surface& surface,
                  bool centreMarker) {
    const model::Rail* rail = context.ValidRailAt(index);
    if (rail == nullptr) return;
    DrawFlexCurve(surface, context.Origin, {rail->X0, rail->Y0}, {rail->C1X, rail->C1Y},
                  {rail->C2X, rail->C2Y}, {rail->X1, rail->Y1}, context.Settings.RailWidth,
                  context.Settings.FlexibleDivides, colour);
    if (centreMarker) DrawCentreMarker(context, *rail, colour, surface);
}

} // namespace ferrovane::render

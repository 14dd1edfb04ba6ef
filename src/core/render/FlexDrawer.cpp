#include "core/render/FlexDrawer.h"

#include <cmath>

#include "core/render/CentreMarker.h"

namespace ferrovane::render {

PointF SegmentNormal(PointF p, PointF q, float halfWidth) {
    const float dx = q.X - p.X;
    const float dy = q.Y - p.Y;
    if (dy == 0) return {0, halfWidth};
    const float ox = halfWidth / std::sqrt(dx * dx / (dy * dy) + 1);
    return {ox, -dx * ox / dy};
}

PointF BezierPoint(PointF p0, PointF p1, PointF p2, PointF p3, float t) {
    const float u = 1 - t;
    const float b0 = u * u * u;
    const float b1 = 3 * t * u * u;
    const float b2 = 3 * t * t * u;
    const float b3 = t * t * t;
    return {b0 * p0.X + b1 * p1.X + b2 * p2.X + b3 * p3.X,
            b0 * p0.Y + b1 * p1.Y + b2 * p2.Y + b3 * p3.Y};
}

void DrawThickSegment(Surface& surface, const ViewOrigin& origin, PointF p, PointF q,
                      float halfWidth, Colour colour, int capMode) {
    const PointF o = SegmentNormal(p, q, halfWidth);
    const PointF pPlus{p.X + o.X, p.Y + o.Y}, pMinus{p.X - o.X, p.Y - o.Y};
    const PointF qPlus{q.X + o.X, q.Y + o.Y}, qMinus{q.X - o.X, q.Y - o.Y};
    DrawLine(surface, origin, pPlus, qPlus, colour);
    DrawLine(surface, origin, pMinus, qMinus, colour);
    if (capMode == CapStart || capMode == CapBoth) DrawLine(surface, origin, pPlus, pMinus, colour);
    if (capMode == CapEnd || capMode == CapBoth) DrawLine(surface, origin, qPlus, qMinus, colour);
}

void DrawFlexCurve(Surface& surface, const ViewOrigin& origin, PointF e0, PointF c1, PointF c2,
                   PointF e1, float halfWidth, int divides, Colour colour) {
    PointF p = e0;
    for (int i = 1; i <= divides; ++i) {
        const float t = static_cast<float>(i) / static_cast<float>(divides);
        const PointF q = BezierPoint(e0, c1, c2, e1, t);
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

#include "core/compute/render/Primitives.h"

#include <cmath>

namespace ferrovane::render {

namespace {

model::Point Shift(const ViewOrigin& origin, model::Point p) {
    return {p.X - origin.Left, p.Y - origin.Top};
}

} // namespace

void DrawLine(Surface& surface, const ViewOrigin& origin, model::Point p, model::Point q,
              Colour colour) {
    surface.Line(Shift(origin, p), Shift(origin, q), colour);
}

void DrawLineTo(Surface& surface, const ViewOrigin& origin, model::Point p, Colour colour) {
    surface.Line({surface.CurrentX, surface.CurrentY}, Shift(origin, p), colour);
}

void DrawLineBy(Surface& surface, model::Point d, Colour colour) {
    const model::Point from{surface.CurrentX, surface.CurrentY};
    surface.Line(from, {from.X + d.X, from.Y + d.Y}, colour);
}

float NormalizeArcAngle(float a) {
    const double v = a;
    if (v > ArcTwoPi) return static_cast<float>(v - ArcTwoPi);
    if (v < 0) return static_cast<float>(v + ArcTwoPi);
    return a;
}

void DrawArc(Surface& surface, const ViewOrigin& origin, model::Point c, float radius,
             Colour colour, float& a, float& b, bool inDegrees) {
    if (inDegrees) {
        a = static_cast<float>(a * ArcPi / 180.0);
        b = static_cast<float>(b * ArcPi / 180.0);
    }
    a = NormalizeArcAngle(a);
    b = NormalizeArcAngle(b);
    surface.Arc(Shift(origin, c), radius, colour, a, b);
}

int ToPixel(float layout, float origin, float scale) {
    if (!(scale > 0)) scale = 1;
    const double v = std::nearbyint((static_cast<double>(layout) - origin) / scale);
    if (!(v > -2147483648.0)) return -2147483647 - 1; // also NaN
    if (v > 2147483647.0) return 2147483647;
    return static_cast<int>(v);
}

} // namespace ferrovane::render

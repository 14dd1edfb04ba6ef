#pragma once

#include "core/compute/render/Surface.h"

namespace ferrovane::render {

// Pi as the stored arc data expects it, and the full turn taken from it.
inline constexpr double ArcPi = 3.141592645;
inline constexpr double ArcTwoPi = 6.28318529;

// The layout position of a surface's top-left corner; subtracted from every point.
struct ViewOrigin {
    float Left = 0;
    float Top = 0;
};

// Line p->q, both shifted by the origin.
void DrawLine(Surface& surface, const ViewOrigin& origin, model::Point p, model::Point q,
              Colour colour);
// Line from the current point to p (shifted).
void DrawLineTo(Surface& surface, const ViewOrigin& origin, model::Point p, Colour colour);
// Line from the current point by the displacement d (not shifted).
void DrawLineBy(Surface& surface, model::Point d, Colour colour);
// Arc about c from a to b. Degrees are converted to radians first; each angle is then
// brought once into [0, 2pi] and written back to the caller's variable.
void DrawArc(Surface& surface, const ViewOrigin& origin, model::Point c, float radius,
             Colour colour, float& a, float& b, bool inDegrees);

// One normalisation step of an arc angle in radians.
float NormalizeArcAngle(float a);

// pixel = (layout - origin) / scale, rounded to the nearest integer, halves to even;
// values beyond the int range are clamped.
int ToPixel(float layout, float origin, float scale);

} // namespace ferrovane::render

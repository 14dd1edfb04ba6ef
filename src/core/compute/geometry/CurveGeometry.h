#pragma once

#include "core/values/model/Rail.h"

namespace ferrovane::geometry {

// The value of pi the stored arc data (ArcStart, ArcSweep) is computed with.
inline constexpr double ArcPi = 3.141592645;

// Degrees to the stored radians: computed in double, kept as Single.
float ToArc(float degrees);

// Lays a curve of radius `radius` sweeping `sweep` degrees from end 0 at (x, y),
// leaving in direction a + 180 (a already normalised) and bending so that its end-1
// angle is a + sweep, or a - sweep when flipped (Dir 255): Kind 1, Radius, Angle, Dir,
// ArcStart, ArcSweep, centre, ends and angles, corners C1..C4, middle point. Other
// fields, cells included, are left as they are.
void LayCurve(model::Rail& rail, float x, float y, float a, float radius, float sweep, bool flip,
              int railWidth);

} // namespace ferrovane::geometry

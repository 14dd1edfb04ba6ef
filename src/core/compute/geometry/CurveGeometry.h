#pragma once

#include "core/compute/geometry/PieceStart.h"
#include "core/values/model/Rail.h"

namespace ferrovane::geometry {

// The value of pi the stored arc data (ArcStart, ArcSweep) is computed with.
inline constexpr double ArcPi = 3.141592645;

// Degrees to the stored radians: computed in double, kept as Single.
float ToArc(float degrees);

// Lays a curve of arc.Radius sweeping arc.Sweep degrees from end 0 at start.At, leaving
// in direction start.Angle + 180 and bending so that its end-1 angle is start.Angle +
// sweep, or start.Angle - sweep when flipped (Dir 255): Kind 1, Radius, Angle, Dir,
// ArcStart, ArcSweep, centre, ends and angles, corners C1..C4, middle point. Other
// fields, cells included, are left as they are.
void LayCurve(model::Rail& rail, PieceStart start, ArcShape arc, bool flip, int railWidth);

} // namespace ferrovane::geometry

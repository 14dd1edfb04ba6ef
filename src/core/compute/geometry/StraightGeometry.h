#pragma once

#include "core/compute/geometry/PieceStart.h"
#include "core/values/model/Rail.h"

namespace ferrovane::geometry {

// Lays a straight of length `length` from end 0 at the start, leaving in direction
// start.Angle + 180: Kind 0, Length, end
// points and angles, corners C1..C4 at half width `railWidth`, middle point. Other
// fields, cells included, are left as they are.
void LayStraight(model::Rail& rail, PieceStart start, float length, int railWidth);

} // namespace ferrovane::geometry

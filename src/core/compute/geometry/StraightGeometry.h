#pragma once

#include "core/values/model/Rail.h"

namespace ferrovane::geometry {

// Lays a straight of length `length` from end 0 at (x, y), leaving in direction a + 180
// (a is the angle of the end it continues, already normalised): Kind 0, Length, end
// points and angles, corners C1..C4 at half width `railWidth`, middle point. Other
// fields, cells included, are left as they are.
void LayStraight(model::Rail& rail, float x, float y, float a, float length, int railWidth);

} // namespace ferrovane::geometry

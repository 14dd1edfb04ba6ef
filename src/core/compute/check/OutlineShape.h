#pragma once

#include <array>
#include <vector>

#include "core/values/model/Point.h"
#include "core/values/model/Rail.h"

namespace ferrovane::check {

// A convex piece of a rail's outline, corners in order round it.
using OutlineQuad = std::array<model::Point, 4>;

// A rail's outline as convex pieces: a straight is one, an arc is cut into pieces of at
// most 5 degrees, a flexible rail into the segments of its centre line (its control
// points are not part of it). Text labels have none.
std::vector<OutlineQuad> OutlineOf(const model::Rail& rail, int railWidth);

// Whether two convex pieces overlap by more than `slack` units (touching edges do not).
bool QuadsOverlap(const OutlineQuad& a, const OutlineQuad& b, float slack);

} // namespace ferrovane::check

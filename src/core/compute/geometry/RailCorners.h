#pragma once

#include "core/compute/geometry/PlaneVector.h"
#include "core/values/model/Rail.h"

namespace ferrovane::geometry {

// Stores the four outline corners C1..C4 of a rail.
inline void SetCorners(model::Rail& r, model::Point c1, model::Point c2, model::Point c3,
                       model::Point c4) {
    r.C1X = c1.X;
    r.C1Y = c1.Y;
    r.C2X = c2.X;
    r.C2Y = c2.Y;
    r.C3X = c3.X;
    r.C3Y = c3.Y;
    r.C4X = c4.X;
    r.C4Y = c4.Y;
}

} // namespace ferrovane::geometry

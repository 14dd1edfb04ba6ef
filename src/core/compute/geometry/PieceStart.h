#pragma once

#include "core/values/model/Point.h"

namespace ferrovane::geometry {

// Where a new piece begins: at the end it continues, whose end angle is Angle (already
// normalised); the piece leaves in direction Angle + 180.
struct PieceStart {
    model::Point At;
    float Angle = 0;
};

// A curve's catalogue dimensions: radius and the degrees it sweeps.
struct ArcShape {
    float Radius = 0;
    float Sweep = 0;
};

// A point's catalogue dimensions: the straight route (a curved point's stub), and the
// diverging arc.
struct PointShape {
    float Length = 0;
    float Radius = 0;
    float Sweep = 0;
};

} // namespace ferrovane::geometry

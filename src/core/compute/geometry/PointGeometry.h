#pragma once

#include "core/compute/geometry/PieceStart.h"
#include "core/values/model/Rail.h"

namespace ferrovane::geometry {

// The end of a point (ordinary or curved) that orientation 0..5 puts on the start
// point: 0 for 0 and 1, 1 for 2 and 3, 2 for 4 and 5.
int JoinedEndOfOrient(int orient);

// The orientation a right click turns to: two cycles, 0 -> 2 -> 5 -> 0 and
// 1 -> 3 -> 4 -> 1, keeping the turning side as seen from the toe.
std::int16_t NextPointOrient(std::int16_t orient);

// Lays an ordinary point (straight route shape.Length, diverging arc of shape.Radius over
// shape.Sweep degrees) with end JoinedEndOfOrient(orient) on start.At and that end's angle
// start.Angle + 180. Kind 2, Dir = orient, Length, Radius, Angle, all three ends
// and angles, C1..C6, centre, arc data, middle point; cells are left as they are.
// orient outside 0..5 is taken as 0.
void LayPoint(model::Rail& rail, PieceStart start, PointShape shape, int orient, int railWidth);

// Lays a curved point: two arcs of shape.Radius over shape.Sweep degrees, the second
// shifted by a straight stub of shape.Length units. Dir = 100 + orient, BaseAngle =
// start.Angle; ArcStart, ArcSweep
// and the corners are stored so that the drawer's stub vector for that Dir separates the
// two arcs. Joined end as for an ordinary point.
void LayCurvedPoint(model::Rail& rail, PieceStart start, PointShape shape, int orient,
                    int railWidth);

} // namespace ferrovane::geometry

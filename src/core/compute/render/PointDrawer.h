#pragma once

#include "core/compute/render/DrawContext.h"

namespace ferrovane::render {

// Direction codes from which a point is a curved point.
inline constexpr int CurvedPointFirstDir = 100;

// A point: the through track as a closed quadrilateral, the diverging end line C5-C6,
// the centre marker when asked for, then the diverging track's two arcs. Curved points
// (Dir 100 and above) go to DrawCurvedPointRail.
void DrawPointRail(const DrawContext& context, int index, Colour colour, Surface& surface,
                   bool centreMarker);

// The curve direction a point's diverging arc turns as, or -1 for none.
int PointBranchCurveDir(int dir);

} // namespace ferrovane::render

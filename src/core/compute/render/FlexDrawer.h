#pragma once

#include "core/compute/render/DrawContext.h"

namespace ferrovane::render {

// End lines of a thick segment: none, at p, at q, or both.
enum CapMode { CapNone = 0, CapStart = 1, CapEnd = 2, CapBoth = 3 };

// The normal of length halfWidth to the segment p->q (x part positive; (0, w) for a
// horizontal segment).
model::Point SegmentNormal(model::Point p, model::Point q, float halfWidth);

// The cubic Bezier point at t, in single precision.
model::Point BezierPoint(model::Point p0, model::Point p1, model::Point p2, model::Point p3,
                         float t);

// One segment of a flexible rail: two lines parallel to p->q at +/- halfWidth, with
// end lines by the cap mode.
void DrawThickSegment(Surface& surface, const ViewOrigin& origin, model::Point p, model::Point q,
                      float halfWidth, Colour colour, int capMode);

// The track along the Bezier curve e0, c1, c2, e1 in `divides` segments, with end lines
// only at the two ends. Shared with the flexible-rail preview.
void DrawFlexCurve(Surface& surface, const ViewOrigin& origin, model::Point e0, model::Point c1,
                   model::Point c2, model::Point e1, float halfWidth, int divides, Colour colour);

// A flexible rail by its ends and control points, then the centre marker when asked
// for. The pen width is the caller's (set from the rail's own elevation).
void DrawFlexRail(const DrawContext& context, int index, Colour colour, Surface& surface,
                  bool centreMarker);

} // namespace ferrovane::render

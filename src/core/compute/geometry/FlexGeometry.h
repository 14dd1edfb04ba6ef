#pragma once

#include <cstdint>
#include <vector>

#include "core/compute/geometry/FlexDef.h"

namespace ferrovane::geometry {

struct FlexPoint {
    float X = 0, Y = 0;
    bool operator==(const FlexPoint&) const = default;
};

// Tangent in degrees as flexible rails use it: the argument is normalised and rounded
// to a whole degree and taken modulo 180; 30, 45 and 60 give exact values and 90
// gives -1.
float TanDeg(float v);

// The inner control point for end (ex, ey) with end angle a (pointing into the joined
// rail) and handle (hx, hy): on the line that leaves the end away from the joined
// rail. Off the four axis directions only hx counts.
FlexPoint FlexControlPoint(float ex, float ey, float a, float hx, float hy);

// Computes Ctl1 and Ctl2 of def from its ends, angles and handles.
void ComputeFlexControls(FlexDef& def);

// The point at t of the cubic Bézier curve p0, p1, p2, p3, in single precision.
FlexPoint FlexBezierPoint(FlexPoint p0, FlexPoint p1, FlexPoint p2, FlexPoint p3, float t);

// The centre line drawn for a flexible rail from (x0, y0) to (x1, y1) with control
// points c1, c2: divides + 1 points, the first at the start (at least one segment).
std::vector<FlexPoint> FlexCenterLine(FlexPoint e0, FlexPoint c1, FlexPoint c2, FlexPoint e1,
                                      int divides);

// What the flexible-rail preview draws, all in one colour: the lines from each end to
// its control point, a circle about each control point, and the centre line whose
// segments are drawn as thick segments of half-width HalfWidth.
struct FlexPreviewShape {
    FlexPoint Start, Ctl1, End, Ctl2;
    float HandleRadius = 0;
    std::vector<FlexPoint> CenterLine;
    float HalfWidth = 0;
    int PenWidth = 1;
    std::int32_t Color = 0;
};

// Computes the control points into def and the preview that shows them.
FlexPreviewShape MakeFlexPreview(FlexDef& def, std::int16_t railWidth, std::int32_t color,
                                 bool isUpperMode, int divides);

} // namespace ferrovane::geometry

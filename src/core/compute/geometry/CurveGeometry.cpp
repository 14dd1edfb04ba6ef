#include "core/compute/geometry/CurveGeometry.h"

#include "core/compute/geometry/PlaneVector.h"
#include "core/compute/geometry/RailCorners.h"
#include "core/values/model/Angle.h"

namespace ferrovane::geometry {

float ToArc(float degrees) {
    return static_cast<float>(degrees * ArcPi / 180);
}

void LayCurve(model::Rail& r, PieceStart start, ArcShape arc, bool flip, int railWidth) {
    const float x = start.At.X, y = start.At.Y, a = start.Angle;
    const float radius = arc.Radius, sweep = arc.Sweep;
    const float w = static_cast<float>(railWidth);
    const model::Point p{x, y};
    r.Kind = model::KindCurve;
    r.Radius = radius;
    r.Angle = sweep;
    r.ArcStart = ToArc(a);
    r.ArcSweep = ToArc(sweep);
    // a = 180 stores 0 here, unlike a straight: stored layouts carry it that way.
    r.Angle0 = a < 180 ? a + 180 : a - 180;
    // The mirrored curve is the same construction with every radius vector negated.
    const float side = flip ? -1.0f : 1.0f;
    const float end = flip ? a - sweep : a + sweep;
    const float middle = flip ? a - sweep / 2 : a + sweep / 2;
    r.Dir = flip ? 255 : 0;
    const model::Point k = p - (side * radius) * ArcUnit(a);
    r.Angle1 = model::NormalizeAngle(end);
    const model::Point c1 = k + (side * (radius - w)) * ArcUnit(a);
    const model::Point c2 = k + (side * (radius + w)) * ArcUnit(a);
    const model::Point c3 = k + (side * (radius + w)) * ArcUnit(end);
    const model::Point c4 = k + (side * (radius - w)) * ArcUnit(end);
    const model::Point mid = k + (side * radius) * ArcUnit(middle);
    r.CenterX = k.X;
    r.CenterY = k.Y;
    SetCorners(r, c1, c2, c3, c4);
    r.X0 = x;
    r.Y0 = y;
    r.X1 = (c4.X + c3.X) / 2;
    r.Y1 = (c4.Y + c3.Y) / 2;
    r.MidX = mid.X;
    r.MidY = mid.Y;
}

} // namespace ferrovane::geometry

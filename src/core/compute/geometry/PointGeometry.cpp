#include "core/compute/geometry/PointGeometry.h"

#include <cmath>

#include "core/compute/geometry/CurveGeometry.h"
#include "core/compute/geometry/PlaneVector.h"
#include "core/compute/geometry/RailCorners.h"
#include "core/values/model/Angle.h"

namespace ferrovane::geometry {

namespace {

using model::NormalizeAngle;

void SetBranchCorners(model::Rail& r, model::Point c5, model::Point c6) {
    r.C5X = c5.X;
    r.C5Y = c5.Y;
    r.C6X = c6.X;
    r.C6Y = c6.Y;
}

void SetEnd(model::Rail& r, int e, model::Point p) {
    r.X(e) = p.X;
    r.Y(e) = p.Y;
}

// Orientations turning towards decreasing angles are the mirror images: every radius
// vector negated.
float SideOf(bool increases) {
    return increases ? 1.0f : -1.0f;
}

} // namespace

int JoinedEndOfOrient(int orient) {
    if (orient == 2 || orient == 3) return 1;
    if (orient == 4 || orient == 5) return 2;
    return 0;
}

std::int16_t NextPointOrient(std::int16_t orient) {
    static constexpr std::int16_t next[6] = {2, 3, 5, 4, 1, 0};
    return orient >= 0 && orient <= 5 ? next[orient] : 0;
}

void LayPoint(model::Rail& r, PieceStart start, PointShape shape, int orient, int railWidth) {
    const float x = start.At.X, y = start.At.Y, a = start.Angle;
    const float length = shape.Length, radius = shape.Radius, sweep = shape.Sweep;
    if (orient < 0 || orient > 5) orient = 0;
    const float w = static_cast<float>(railWidth);
    const model::Point p{x, y};
    r.Kind = model::KindPoint;
    r.Length = length;
    r.Radius = radius;
    r.Angle = sweep;
    r.Dir = static_cast<std::uint8_t>(orient);
    // Seen from the toe, orientations 0, 2 and 5 turn towards increasing angles.
    const bool increases = orient == 0 || orient == 2 || orient == 5;
    const float side = SideOf(increases);
    const float turn = side * sweep;
    model::Point k;
    if (orient <= 3) {
        // The straight route is laid from the start point; for 2 and 3 its ends are
        // exchanged so that end 1 sits on the start point.
        const model::Point along = length * Heading(a + 180);
        const model::Point c1 = p + w * model::Point{Heading(a + 180).Y, -Heading(a + 180).X};
        const model::Point c2 = p - w * model::Point{Heading(a + 180).Y, -Heading(a + 180).X};
        SetCorners(r, c1, c2, c2 + along, c1 + along);
        const bool toeOnStart = orient <= 1;
        const model::Point toe = toeOnStart ? p : p + along;
        SetEnd(r, 0, toe);
        SetEnd(r, 1, toeOnStart ? p + along : p);
        r.Angle0 = toeOnStart ? NormalizeAngle(a + 180) : a;
        r.Angle1 = toeOnStart ? a : NormalizeAngle(a + 180);
        // The diverging arc continues the toe like a curve laid there with angle t.
        const float t = toeOnStart ? a : NormalizeAngle(a + 180);
        k = toe - (side * radius) * ArcUnit(t);
        const model::Point c5 = k + (side * (radius + w)) * ArcUnit(t + turn);
        const model::Point c6 = k + (side * (radius - w)) * ArcUnit(t + turn);
        SetBranchCorners(r, c5, c6);
        SetEnd(r, 2, Midpoint(c5, c6));
        r.Angle2 = NormalizeAngle(t + turn);
        r.ArcStart = ToArc(t);
    } else {
        // Diverging end on the start point: the arc is laid back to the toe, then the
        // straight route runs on from the toe.
        SetEnd(r, 2, p);
        r.Angle2 = NormalizeAngle(a + 180);
        const float back = orient == 4 ? 1.0f : -1.0f; // 4 lays the arc like curve Dir 0
        k = p - (back * radius) * ArcUnit(a);
        SetBranchCorners(r, k + (back * (radius - w)) * ArcUnit(a),
                         k + (back * (radius + w)) * ArcUnit(a));
        const float toeArc = a + back * sweep;
        const model::Point c1 = k + (back * (radius + w)) * ArcUnit(toeArc);
        const model::Point c2 = k + (back * (radius - w)) * ArcUnit(toeArc);
        const model::Point toe = Midpoint(c1, c2);
        r.Angle0 = NormalizeAngle(toeArc);
        const float t = NormalizeAngle(r.Angle0 + 180);
        r.Angle1 = t;
        const model::Point along = length * Heading(t + 180);
        SetCorners(r, c1, c2, c2 + along, c1 + along);
        SetEnd(r, 0, toe);
        SetEnd(r, 1, toe + along);
        r.ArcStart = ToArc(a);
    }
    r.ArcSweep = ToArc(sweep);
    r.CenterX = k.X;
    r.CenterY = k.Y;
    r.MidX = (r.X0 + r.X1) / 2;
    r.MidY = (r.Y0 + r.Y1) / 2;
}

void LayCurvedPoint(model::Rail& r, PieceStart start, PointShape shape, int orient, int railWidth) {
    const float x = start.At.X, y = start.At.Y, a = start.Angle;
    const float stub = shape.Length, radius = shape.Radius, sweep = shape.Sweep;
    if (orient < 0 || orient > 5) orient = 0;
    const float w = static_cast<float>(railWidth);
    r.Kind = model::KindPoint;
    r.Length = stub;
    r.Radius = radius;
    r.Angle = sweep;
    r.BaseAngle = a;
    r.Dir = static_cast<std::uint8_t>(100 + orient);
    r.ArcStart = ToArc(a);
    r.ArcSweep = ToArc(sweep);
    // The stub vector exactly as the drawer derives it from the stored arc data.
    const double d = stub;
    double stubAngle = r.ArcStart;
    double stubSign = -1;
    if (orient == 2 || orient == 5) {
        stubAngle = r.ArcStart - r.ArcSweep;
        stubSign = 1;
    } else if (orient == 3 || orient == 4) {
        stubAngle = r.ArcStart + r.ArcSweep;
        stubSign = 1;
    }
    const model::Point v{static_cast<float>(stubSign * d * std::sin(stubAngle)),
                         static_cast<float>(stubSign * d * std::cos(stubAngle))};

    model::Point c1, c2, c3, c4, k, mid;
    if (orient <= 1) {
        // Toe on the start point; 101 is the mirror image of 100.
        const float side = orient == 0 ? 1.0f : -1.0f;
        const float end = a + side * sweep;
        k = model::Point{x, y} - (side * radius) * ArcUnit(a);
        c1 = k + (side * (radius - w)) * ArcUnit(a);
        c2 = k + (side * (radius + w)) * ArcUnit(a);
        c3 = k + (side * (radius + w)) * ArcUnit(end);
        c4 = k + (side * (radius - w)) * ArcUnit(end);
        mid = k + (side * radius) * ArcUnit(a + side * sweep / 2);
        r.Angle0 = NormalizeAngle(a + 180);
        r.Angle1 = r.Angle2 = NormalizeAngle(end);
    } else {
        // End 1 (102, 103) or end 2 (104, 105) on the start point: the arcs are laid back
        // from it to the toe. The end-2 codes start the first arc one stub earlier, so
        // that the shifted arc ends on the start point.
        const model::Point p = orient <= 3 ? model::Point{x, y} : model::Point{x, y} - v;
        const float back = orient == 3 || orient == 4 ? 1.0f : -1.0f;
        const float toeArc = a + back * sweep;
        k = p - (back * radius) * ArcUnit(a);
        c1 = k + (back * (radius - w)) * ArcUnit(toeArc);
        c2 = k + (back * (radius + w)) * ArcUnit(toeArc);
        c3 = k + (back * (radius + w)) * ArcUnit(a);
        c4 = k + (back * (radius - w)) * ArcUnit(a);
        mid = k + (back * radius) * ArcUnit(a + back * sweep / 2);
        r.Angle0 = NormalizeAngle(toeArc);
        r.Angle1 = r.Angle2 = NormalizeAngle(a + 180);
    }
    SetCorners(r, c1, c2, c3, c4);
    SetBranchCorners(r, c3 + v, c4 + v);
    r.CenterX = k.X;
    r.CenterY = k.Y;
    r.MidX = mid.X;
    r.MidY = mid.Y;
    SetEnd(r, 0, Midpoint(c1, c2));
    SetEnd(r, 1, Midpoint(c3, c4));
    SetEnd(r, 2, Midpoint(c3 + v, c4 + v));
}

} // namespace ferrovane::geometry

#pragma once

#include "core/values/model/Angle.h"

namespace ferrovane::geometry {

// A point or displacement in layout units; all arithmetic in Single, as the stored
// geometry expects.
struct Vec2 {
    float X = 0, Y = 0;
};

inline Vec2 operator+(Vec2 p, Vec2 q) {
    return {p.X + q.X, p.Y + q.Y};
}
inline Vec2 operator-(Vec2 p, Vec2 q) {
    return {p.X - q.X, p.Y - q.Y};
}
inline Vec2 operator*(float k, Vec2 v) {
    return {k * v.X, k * v.Y};
}
inline Vec2 Midpoint(Vec2 p, Vec2 q) {
    return {(p.X + q.X) / 2, (p.Y + q.Y) / 2};
}

// The direction of angle t: (sin t, cos t).
inline Vec2 Heading(float t) {
    return {model::SinDegOf(t), model::CosDegOf(t)};
}

// The radius vector of arc angle t about a centre: (cos t, -sin t). The end of a piece
// that continues an end of angle t lies at centre + R * ArcUnit(t) (arc turning towards
// increasing angles) or centre - R * ArcUnit(t) (the mirrored arc).
inline Vec2 ArcUnit(float t) {
    return {model::CosDegOf(t), -model::SinDegOf(t)};
}

} // namespace ferrovane::geometry

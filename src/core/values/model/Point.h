#pragma once

namespace ferrovane::model {

// A point or displacement in layout units. Geometry and drawing share it; all arithmetic
// is in Single, as the stored geometry expects.
struct Point {
    float X = 0, Y = 0;

    bool operator==(const Point&) const = default;
};

inline Point operator+(Point p, Point q) {
    return {p.X + q.X, p.Y + q.Y};
}
inline Point operator-(Point p, Point q) {
    return {p.X - q.X, p.Y - q.Y};
}
inline Point operator*(float k, Point v) {
    return {k * v.X, k * v.Y};
}
inline Point Midpoint(Point p, Point q) {
    return {(p.X + q.X) / 2, (p.Y + q.Y) / 2};
}

} // namespace ferrovane::model

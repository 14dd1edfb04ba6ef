#include "core/compute/check/OutlineShape.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/compute/geometry/FlexGeometry.h"

namespace ferrovane::check {

namespace {

using model::Point;

constexpr double Pi = std::numbers::pi;
constexpr double MaxPieceDegrees = 5;
constexpr int FlexSegments = 24;

// The band of half-width w about the arc of radius r round centre k from point `from`
// to point `to`, turning the short way (catalogue arcs sweep less than 180 degrees).
void AddArc(std::vector<OutlineQuad>& out, Point k, Point from, Point to, float r, float w) {
    const double a0 =
        std::atan2(static_cast<double>(from.Y) - k.Y, static_cast<double>(from.X) - k.X);
    const double a1 = std::atan2(static_cast<double>(to.Y) - k.Y, static_cast<double>(to.X) - k.X);
    double sweep = a1 - a0;
    while (sweep > Pi)
        sweep -= 2 * Pi;
    while (sweep < -Pi)
        sweep += 2 * Pi;
    const int pieces =
        std::max(1, static_cast<int>(std::ceil(std::fabs(sweep) * 180 / Pi / MaxPieceDegrees)));
    const double inner = std::max(0.0, static_cast<double>(r) - w),
                 outer = static_cast<double>(r) + w;
    auto at = [&](double radius, int i) {
        const double a = a0 + sweep * i / pieces;
        return Point{static_cast<float>(k.X + radius * std::cos(a)),
                     static_cast<float>(k.Y + radius * std::sin(a))};
    };
    for (int i = 0; i < pieces; ++i)
        out.push_back({at(inner, i), at(outer, i), at(outer, i + 1), at(inner, i + 1)});
}

// The band of half-width w along the segment p-q.
void AddBand(std::vector<OutlineQuad>& out, Point p, Point q, float w) {
    const double dx = static_cast<double>(q.X) - p.X, dy = static_cast<double>(q.Y) - p.Y;
    const double len = std::sqrt(dx * dx + dy * dy);
    if (len <= 0) return;
    const Point n{static_cast<float>(-dy / len * w), static_cast<float>(dx / len * w)};
    out.push_back({p + n, p - n, q - n, q + n});
}

Point End(const model::Rail& r, int e) {
    return {r.X(e), r.Y(e)};
}

} // namespace

std::vector<OutlineQuad> OutlineOf(const model::Rail& r, int railWidth) {
    std::vector<OutlineQuad> out;
    const float w = static_cast<float>(railWidth);
    const Point k{r.CenterX, r.CenterY};
    switch (r.Kind) {
    case model::KindStraight:
    case model::KindBoxHeadStraight:
    case model::KindBoxMemberStraight:
        out.push_back(
            {Point{r.C1X, r.C1Y}, Point{r.C2X, r.C2Y}, Point{r.C3X, r.C3Y}, Point{r.C4X, r.C4Y}});
        break;
    case model::KindCurve:
    case model::KindBoxHeadCurve:
    case model::KindBoxMemberCurve:
        AddArc(out, k, End(r, 0), End(r, 1), r.Radius, w);
        break;
    case model::KindPoint:
        if (r.Dir >= 100) {
            // Two arcs of the same shape, the second moved by the stub between them.
            const Point stub = End(r, 2) - End(r, 1);
            AddArc(out, k, End(r, 0), End(r, 1), r.Radius, w);
            AddArc(out, k + stub, End(r, 0) + stub, End(r, 2), r.Radius, w);
            AddBand(out, End(r, 0), End(r, 0) + stub, w);
        } else {
            out.push_back({Point{r.C1X, r.C1Y}, Point{r.C2X, r.C2Y}, Point{r.C3X, r.C3Y},
                           Point{r.C4X, r.C4Y}});
            AddArc(out, k, End(r, 0), End(r, 2), r.Radius, w);
        }
        break;
    case model::KindFlexible: {
        const auto line = geometry::FlexCenterLine({r.X0, r.Y0}, {r.C1X, r.C1Y}, {r.C2X, r.C2Y},
                                                   {r.X1, r.Y1}, FlexSegments);
        for (std::size_t i = 1; i < line.size(); ++i)
            AddBand(out, {line[i - 1].X, line[i - 1].Y}, {line[i].X, line[i].Y}, w);
        break;
    }
    default:
        break;
    }
    return out;
}

namespace {

// Whether the projections of both pieces on the normal of edge p-q overlap by more
// than slack.
bool OverlapOnAxis(const OutlineQuad& a, const OutlineQuad& b, Point p, Point q, float slack) {
    const double nx = -(static_cast<double>(q.Y) - p.Y), ny = static_cast<double>(q.X) - p.X;
    const double len = std::sqrt(nx * nx + ny * ny);
    if (len <= 1e-9) return true; // a degenerate edge separates nothing
    auto range = [&](const OutlineQuad& quad, double& lo, double& hi) {
        lo = 1e300, hi = -1e300;
        for (const Point& c : quad) {
            const double v = (c.X * nx + c.Y * ny) / len;
            lo = std::min(lo, v), hi = std::max(hi, v);
        }
    };
    double alo, ahi, blo, bhi;
    range(a, alo, ahi);
    range(b, blo, bhi);
    return std::min(ahi, bhi) - std::max(alo, blo) > slack;
}

} // namespace

bool QuadsOverlap(const OutlineQuad& a, const OutlineQuad& b, float slack) {
    for (const OutlineQuad* quad : {&a, &b})
        for (std::size_t i = 0; i < 4; ++i)
            if (!OverlapOnAxis(a, b, (*quad)[i], (*quad)[(i + 1) % 4], slack)) return false;
    return true;
}

} // namespace ferrovane::check

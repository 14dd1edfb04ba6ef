#include "core/compute/geometry/TrackLength.h"

#include <cmath>
#include <numbers>

#include "core/compute/geometry/FlexGeometry.h"
#include "core/values/model/Rail.h"

namespace ferrovane::geometry {

namespace {

// Curved points carry their orientation plus this in Dir.
constexpr int CurvedPointDir = 100;

double Measure(double value) {
    return std::isfinite(value) && value > 0 ? value : 0.0;
}

double Arc(const model::Rail& r) {
    return Measure(static_cast<double>(r.Radius)) *
           Measure(std::fabs(static_cast<double>(r.Angle))) * (std::numbers::pi / 180.0);
}

double Polyline(const model::Rail& r, int divides) {
    const auto line =
        FlexCenterLine({r.X0, r.Y0}, {r.C1X, r.C1Y}, {r.C2X, r.C2Y}, {r.X1, r.Y1}, divides);
    double total = 0;
    for (std::size_t i = 1; i < line.size(); ++i)
        total += std::hypot(static_cast<double>(line[i].X) - line[i - 1].X,
                            static_cast<double>(line[i].Y) - line[i - 1].Y);
    return Measure(total);
}

} // namespace

double TrackLength(const model::Rail& rail, int divides) {
    if (!rail.Valid) return 0;
    switch (rail.Kind) {
    case model::KindStraight:
    case model::KindBoxHeadStraight:
    case model::KindBoxMemberStraight:
        return Measure(rail.Length);
    case model::KindCurve:
    case model::KindBoxHeadCurve:
    case model::KindBoxMemberCurve:
        return Arc(rail);
    case model::KindPoint:
        return rail.Dir >= CurvedPointDir ? Measure(rail.Length) + Arc(rail) : Measure(rail.Length);
    case model::KindFlexible:
        return Polyline(rail, divides);
    default:
        return 0;
    }
}

} // namespace ferrovane::geometry

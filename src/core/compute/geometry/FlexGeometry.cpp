#include "core/compute/geometry/FlexGeometry.h"

#include <cmath>

#include "core/values/model/Angle.h"

namespace ferrovane::geometry {

namespace {

// An angle in (0, 360] even for values NormalizeAngle's two steps cannot bring there.
float InFullTurn(float a) {
    float n = model::NormalizeAngle(a);
    if (n > 0 && n <= 360) return n;
    n = std::fmod(n, 360.0f);
    if (n <= 0) n += 360.0f;
    return n;
}

} // namespace

float TanDeg(float v) {
    if (!std::isfinite(v)) return 0;
    const double n = std::nearbyint(static_cast<double>(InFullTurn(v)));
    const double m = std::fmod(n, 180.0);
    if (m == 0) return 0;
    if (m == 30) return static_cast<float>(1.0 / 1.7320508);
    if (m == 45) return 1;
    if (m == 60) return 1.7320508f;
    if (m == 90) return -1;
    return static_cast<float>(std::tan(m * model::LegacyPi / 180.0));
}

FlexPoint FlexControlPoint(float ex, float ey, float a, float hx, float hy) {
    if (!std::isfinite(a)) return {ex, ey};
    a = InFullTurn(a);
    if (a == 360) return {ex, ey - hy};
    if (a == 90) return {ex - hx, ey};
    if (a == 180) return {ex, ey + hy};
    if (a == 270) return {ex + hx, ey};
    if (a < 180) return {ex - hx, ey - hx * TanDeg(90 - a)};
    return {ex + hx, ey + hx * TanDeg(90 - a)};
}

void ComputeFlexControls(FlexDef& def) {
    const FlexPoint p1 =
        FlexControlPoint(def.StartX, def.StartY, def.StartAngle, def.Handle1X, def.Handle1Y);
    const FlexPoint p2 =
        FlexControlPoint(def.EndX, def.EndY, def.EndAngle, def.Handle2X, def.Handle2Y);
    def.Ctl1X = p1.X;
    def.Ctl1Y = p1.Y;
    def.Ctl2X = p2.X;
    def.Ctl2Y = p2.Y;
}

FlexPoint FlexBezierPoint(FlexPoint p0, FlexPoint p1, FlexPoint p2, FlexPoint p3, float t) {
    const float u = 1 - t;
    const float b0 = u * u * u;
    const float b1 = 3 * t * u * u;
    const float b2 = 3 * t * t * u;
    const float b3 = t * t * t;
    return {b0 * p0.X + b1 * p1.X + b2 * p2.X + b3 * p3.X,
            b0 * p0.Y + b1 * p1.Y + b2 * p2.Y + b3 * p3.Y};
}

std::vector<FlexPoint> FlexCenterLine(FlexPoint e0, FlexPoint c1, FlexPoint c2, FlexPoint e1,
                                      int divides) {
    const int n = divides < 1 ? 1 : divides;
    std::vector<FlexPoint> line;
    line.reserve(static_cast<std::size_t>(n) + 1);
    line.push_back(e0);
    for (int i = 1; i <= n; ++i)
        line.push_back(
            FlexBezierPoint(e0, c1, c2, e1, static_cast<float>(i) / static_cast<float>(n)));
    return line;
}

FlexPreviewShape MakeFlexPreview(FlexDef& def, std::int16_t railWidth, std::int32_t color,
                                 bool isUpperMode, int divides) {
    ComputeFlexControls(def);
    FlexPreviewShape shape;
    shape.Start = {def.StartX, def.StartY};
    shape.Ctl1 = {def.Ctl1X, def.Ctl1Y};
    shape.End = {def.EndX, def.EndY};
    shape.Ctl2 = {def.Ctl2X, def.Ctl2Y};
    shape.HandleRadius = static_cast<float>(railWidth) / 2;
    shape.CenterLine = FlexCenterLine(shape.Start, shape.Ctl1, shape.Ctl2, shape.End, divides);
    shape.HalfWidth = railWidth;
    shape.PenWidth = isUpperMode ? 3 : 1;
    shape.Color = color;
    return shape;
}

} // namespace ferrovane::geometry

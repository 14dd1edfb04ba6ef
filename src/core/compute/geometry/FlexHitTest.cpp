#include "core/compute/geometry/FlexHitTest.h"

#include <cmath>

#include "core/compute/geometry/HitTest.h"

namespace ferrovane::geometry {

namespace {

bool Within(float px, float py, float x, float y, int range) {
    const auto r = static_cast<float>(range);
    return std::fabs(px - x) < r && std::fabs(py - y) < r;
}

} // namespace

std::int16_t DetectFlexControl(const FlexDef& def, float x, float y, int range) {
    if (Within(def.Ctl1X, def.Ctl1Y, x, y, range)) return DetectStartHandle;
    if (Within(def.Ctl2X, def.Ctl2Y, x, y, range)) return DetectEndHandle;
    if (Within(def.StartX, def.StartY, x, y, range)) return DetectStartPoint;
    if (Within(def.EndX, def.EndY, x, y, range)) return DetectEndPoint;
    return DetectNothing;
}

} // namespace ferrovane::geometry

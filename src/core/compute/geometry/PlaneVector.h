#pragma once

#include "core/values/model/Angle.h"
#include "core/values/model/Point.h"

namespace ferrovane::geometry {

// The direction of angle t: (sin t, cos t).
inline model::Point Heading(float t) {
    return {model::SinDegOf(t), model::CosDegOf(t)};
}

// The radius vector of arc angle t about a centre: (cos t, -sin t). The end of a piece
// that continues an end of angle t lies at centre + R * ArcUnit(t) (arc turning towards
// increasing angles) or centre - R * ArcUnit(t) (the mirrored arc).
inline model::Point ArcUnit(float t) {
    return {model::CosDegOf(t), -model::SinDegOf(t)};
}

} // namespace ferrovane::geometry

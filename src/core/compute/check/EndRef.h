#pragma once

#include <cmath>
#include <cstdint>

#include "core/values/model/Layout.h"
#include "core/values/model/Rail.h"

namespace ferrovane::check {

// One end of one rail.
struct EndRef {
    int Rail = 0;
    int End = 0;
    bool operator==(const EndRef&) const = default;
};

// How many ends a rail of this kind has: three for points, none for text labels.
inline int EndCountOf(std::uint8_t kind) {
    if (kind == model::KindText) return 0;
    return kind == model::KindPoint ? 3 : 2;
}

// Whether end e of rail n exists on a live rail and is free.
inline bool IsFreeEnd(const model::Layout& layout, int n, int e) {
    if (!layout.IsLive(n)) return false;
    const model::Rail& r = layout.Rails[static_cast<std::size_t>(n)];
    return e >= 0 && e < EndCountOf(r.Kind) && r.Free(e);
}

// Degrees by which two end angles miss facing each other (ends that meet at a joint
// point into their rails, 180 degrees apart): 0 when facing, at most 180.
inline float FacingError(float a, float b) {
    double d = std::fmod(static_cast<double>(a) - b - 180.0, 360.0);
    if (d < 0) d += 360.0;
    if (d > 180.0) d = 360.0 - d;
    if (d <= 0) d = 0; // no negative zero in the figures
    return static_cast<float>(d);
}

inline float EndDistance(float x0, float y0, float x1, float y1) {
    const double dx = static_cast<double>(x0) - x1, dy = static_cast<double>(y0) - y1;
    return static_cast<float>(std::sqrt(dx * dx + dy * dy));
}

} // namespace ferrovane::check

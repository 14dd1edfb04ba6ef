#pragma once

#include <cstdint>

namespace ferrovane::geometry {

// The flexible rail being laid: its two ends, the inner control points of its Bézier
// centre line and the handle distances they are computed from.
struct FlexDef {
    float StartX = 0, StartY = 0; // E0
    float EndX = 0, EndY = 0;     // E1
    float Ctl1X = 0, Ctl1Y = 0;   // P1, from the start handle
    float Ctl2X = 0, Ctl2Y = 0;   // P2, from the end handle
    float Handle1X = 50, Handle1Y = 50;
    float Handle2X = 50, Handle2Y = 50;
    std::int16_t StartLink = 0; // 0: a free start
    std::uint8_t StartLinkEnd = 0;
    std::int16_t EndLink = 0;
    std::uint8_t EndLinkEnd = 0;
    // Degrees: the end angle of the joined end (pointing into that rail), or the angle
    // picked for a free end.
    float StartAngle = 0, EndAngle = 0;

    bool operator==(const FlexDef&) const = default;
};

} // namespace ferrovane::geometry

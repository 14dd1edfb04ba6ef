#pragma once

#include <cstdint>

namespace ferrovane::model {
struct Layout;
}

namespace ferrovane::geometry {

// What DetectRail found under the pointer.
inline constexpr std::int16_t DetectMiddle = 1; // a rail's middle point: PointedRail
inline constexpr std::int16_t DetectEnd0 = 2;   // end 0 of SnapRail
inline constexpr std::int16_t DetectEnd1 = 3;   // end 1
inline constexpr std::int16_t DetectEnd2 = 4;   // end 2
inline constexpr std::int16_t DetectNothing = 10;

// FindJoint's answer when no end lies at the point.
inline constexpr std::uint8_t NoJoint = 10;

// What the hit test found: the status above, the rail, and for an end its position and
// end angle.
struct Hit {
    std::int16_t Status = DetectNothing;
    std::int16_t Rail = -1;
    std::uint8_t End = 0;
    float X = 0, Y = 0, Angle = 0;
};

// Hit test at (mouseX, mouseY) in the cells around (cellX, cellY): middle points first,
// then ends 0, 1, 2, each in index order; the first feature strictly inside the square
// window of half-width range wins.
Hit HitTest(const model::Layout& layout, float mouseX, float mouseY, float cellX, float cellY,
            float range);

} // namespace ferrovane::geometry

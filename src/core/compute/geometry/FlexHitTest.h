#pragma once

#include <cstdint>

#include "core/compute/geometry/FlexDef.h"

namespace ferrovane::geometry {

inline constexpr std::int16_t DetectStartHandle = 500;
inline constexpr std::int16_t DetectEndHandle = 501;
// The ends themselves are found too, so a click on an end does not grab a handle that
// lies behind it; nothing acts on them.
inline constexpr std::int16_t DetectStartPoint = 502;
inline constexpr std::int16_t DetectEndPoint = 503;

// The hit test while a flexible rail is shaped: the control points first (start, then
// end), then the two ends, each within a square window of `range` units about the
// pointer; DetectNothing otherwise.
std::int16_t DetectFlexControl(const FlexDef& def, float x, float y, int range);

} // namespace ferrovane::geometry

#pragma once

#include <optional>
#include <string>

#include "core/compute/check/EndRef.h"

namespace ferrovane::check {

// How far an end lies from the nearest free end of the layout.
struct GapReading {
    EndRef Other;
    float Gap = 0;   // layout units between the two ends
    float Angle = 0; // degrees the two end angles miss facing each other
};

inline constexpr float GapReadoutRange = 300;

// The free end nearest to (x, y) within `range` units, leaving out the ends of rail
// `skipRail` (a piece is never closed to itself), found through the layout's index; the
// figures against an end of angle `angle` there. Among equally near ends the lower rail
// and end number wins.
std::optional<GapReading> NearestFreeEnd(const model::Layout& layout, float x, float y, float angle,
                                         int skipRail, float range = GapReadoutRange);

// The reading for free end e of rail n against the free ends of other rails.
std::optional<GapReading> GapAtEnd(const model::Layout& layout, int n, int e);

// The reading for the far end of a piece previewed in `piece` and joined at `joinedEnd`
// to rail `at`: its end 1, or for a point the one of its two far ends whose reading is
// nearer. The rail it is joined to is left out.
std::optional<GapReading> GapOfPreview(const model::Layout& layout, const model::Rail& piece,
                                       int joinedEnd, int at);

// "すき間 12.3 / 角度差 2.5°"
std::string GapReadoutText(const GapReading& reading);

} // namespace ferrovane::check

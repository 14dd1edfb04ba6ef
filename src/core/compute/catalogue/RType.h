#pragma once

#include <cstdint>
#include <string>

#include "core/values/model/Rail.h"

namespace ferrovane::catalogue {

// The name that marks the user-rail entry of each kind. Written to and read from catalogue
// files, so it is the same in every language.
inline constexpr const char* UserRailName = "ユーザーレール";

// One catalogue entry.
struct RType {
    std::string Name;
    float Length = 0; // straight: length; point: straight route (negative: curved point)
    float Radius = 0;
    float Angle = 0;
    std::int32_t Color = 0;
    std::int16_t Hand = 0;  // points: 0 right-facing, non-zero left-facing
    std::int16_t Level = 0; // 0 ground, 1 elevated, 2 both
    // KindStraight, KindCurve or KindPoint; set by the reader.
    std::int16_t Kind = model::KindStraight;
    std::int16_t IsUserRail = 0; // -1 for the user-rail entry; set by the reader

    bool operator==(const RType&) const = default;
    bool IsCurvedPoint() const { return Kind == model::KindPoint && Length < 0; }
};

} // namespace ferrovane::catalogue

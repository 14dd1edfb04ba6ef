#pragma once

#include <cstdint>
#include <string>

#include "core/compute/catalogue/Catalogue.h"

namespace ferrovane::catalogue {

// Where a "RailBox:" section stands between two lines: the member index the next
// continuing line gets, and the current box's header record.
struct RailBoxLineState {
    std::int32_t MemberIndex = 0;
    std::int32_t BoxStart = 0;
    bool BoxOpen = false;
};

// The rail-box rail array holds Integer indices.
inline constexpr std::int32_t MaxRailBoxRailIndex = 32767;

// Stores one line of a "RailBox:" section. name carries the marker as its first
// character ("#" starts a box); columns holds the twelve data fields of the line. The
// closing "End" line lowers RailBoxRailMax to the last rail stored. False when the
// array would outgrow its Integer indices.
bool ParseRailBoxLine(Catalogue& catalogue, RailBoxLineState& state, const std::string& name,
                      const RailBoxRail& columns);

} // namespace ferrovane::catalogue

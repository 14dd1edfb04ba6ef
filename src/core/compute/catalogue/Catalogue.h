#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/compute/catalogue/RType.h"
#include "core/compute/catalogue/RailBoxRail.h"

namespace ferrovane::catalogue {

// The pieces that can be placed. The maxima are highest valid indices (0..Max), not
// counts; the entry at Max of each kind is normally the user-rail entry.
struct Catalogue {
    std::vector<RType> StraightTypes;
    std::vector<RType> CurveTypes;
    std::vector<RType> PointTypes;
    std::int32_t StraightTypeMax = 0;
    std::int32_t CurveTypeMax = 0;
    std::int32_t PointTypeMax = 0;
    std::vector<RailBoxRail> RailBoxRails;
    std::int32_t RailBoxRailMax = 0;
    std::string RTypeFileName;

    bool operator==(const Catalogue&) const = default;
};

// A catalogue holding only the user-rail entry of each kind, in the given colour, and
// no rail boxes: what every read starts from.
Catalogue EmptyCatalogue(std::int32_t railColor);

} // namespace ferrovane::catalogue

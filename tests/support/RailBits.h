#pragma once

#include <bit>
#include <cstdint>

#include "core/values/model/Rail.h"

namespace ferrovane::testing {

// Two rails hold the same values, every Single compared by its bits: 0 and -0 differ,
// and a NaN matches only the same NaN.
inline bool SameBits(const model::Rail& a, const model::Rail& b) {
    using model::Rail;
    static constexpr float Rail::*Singles[] = {
        &Rail::Length,   &Rail::Radius,   &Rail::Angle,    &Rail::BaseAngle, &Rail::X0,
        &Rail::Y0,       &Rail::X1,       &Rail::Y1,       &Rail::X2,        &Rail::Y2,
        &Rail::C1X,      &Rail::C1Y,      &Rail::C2X,      &Rail::C2Y,       &Rail::C3X,
        &Rail::C3Y,      &Rail::C4X,      &Rail::C4Y,      &Rail::C5X,       &Rail::C5Y,
        &Rail::C6X,      &Rail::C6Y,      &Rail::CenterX,  &Rail::CenterY,   &Rail::MidX,
        &Rail::MidY,     &Rail::Angle0,   &Rail::Angle1,   &Rail::Angle2,    &Rail::ArcStart,
        &Rail::ArcSweep, &Rail::MidCellX, &Rail::MidCellY, &Rail::Cell0X,    &Rail::Cell0Y,
        &Rail::Cell1X,   &Rail::Cell1Y,   &Rail::Cell2X,   &Rail::Cell2Y,
    };
    Rail restA = a, restB = b;
    for (float Rail::*field : Singles) {
        if (std::bit_cast<std::uint32_t>(a.*field) != std::bit_cast<std::uint32_t>(b.*field))
            return false;
        restA.*field = restB.*field = 0;
    }
    return restA == restB;
}

// A straight drawn as its outline only: a 100 by 10 box with its corner at (x, y).
inline model::Rail OutlinedStraight(float x, float y, bool upper = false, std::int32_t colour = 0) {
    model::Rail r;
    r.Valid = true;
    r.C1X = x, r.C1Y = y, r.C2X = x, r.C2Y = y + 10, r.C3X = x + 100, r.C3Y = y + 10;
    r.C4X = x + 100, r.C4Y = y;
    r.MidX = x + 50, r.MidY = y + 5;
    r.Color = colour;
    r.Upper = upper;
    return r;
}

} // namespace ferrovane::testing

#include "core/values/model/RailPositions.h"

#include <algorithm>
#include <array>

#include "core/values/model/Layout.h"

namespace ferrovane::model {

namespace {

// Every field a move of the layout changes: the positions, and the index cells that
// follow from them (kept as they are, since a file may hold cells that do not).
constexpr std::array<float Rail::*, 30> MovedFields = {
    &Rail::X0,      &Rail::Y0,      &Rail::X1,     &Rail::Y1,     &Rail::X2,       &Rail::Y2,
    &Rail::C1X,     &Rail::C1Y,     &Rail::C2X,    &Rail::C2Y,    &Rail::C3X,      &Rail::C3Y,
    &Rail::C4X,     &Rail::C4Y,     &Rail::C5X,    &Rail::C5Y,    &Rail::C6X,      &Rail::C6Y,
    &Rail::CenterX, &Rail::CenterY, &Rail::MidX,   &Rail::MidY,   &Rail::MidCellX, &Rail::MidCellY,
    &Rail::Cell0X,  &Rail::Cell0Y,  &Rail::Cell1X, &Rail::Cell1Y, &Rail::Cell2X,   &Rail::Cell2Y,
};

} // namespace

RailPositions::RailPositions(const Layout& layout)
    : mCount(std::max<std::int32_t>(
          0, std::min<std::int32_t>(layout.RailCount,
                                    static_cast<std::int32_t>(layout.Rails.size()) - 1))) {
    // A large layout's move should cost little more than the move itself: one pass,
    // straight into the kept array.
    mFields.resize(static_cast<std::size_t>(mCount) * MovedFields.size());
    float* out = mFields.data();
    for (std::int32_t n = 1; n <= mCount; ++n) {
        const Rail& r = layout.Rails[static_cast<std::size_t>(n)];
        for (float Rail::*field : MovedFields)
            *out++ = r.*field;
    }
}

void RailPositions::RestoreInto(Layout& layout) const {
    const std::int32_t count =
        std::min<std::int32_t>(mCount, static_cast<std::int32_t>(layout.Rails.size()) - 1);
    const float* in = mFields.data();
    for (std::int32_t n = 1; n <= count; ++n) {
        Rail& r = layout.Rails[static_cast<std::size_t>(n)];
        for (float Rail::*field : MovedFields)
            r.*field = *in++;
    }
}

} // namespace ferrovane::model

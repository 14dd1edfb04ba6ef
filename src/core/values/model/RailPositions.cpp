#include "core/values/model/RailPositions.h"

#include <algorithm>
#include <bit>

#include "core/values/model/Layout.h"

namespace ferrovane::model {

namespace {

// Every field a move of the layout shifts.
constexpr std::array<float Rail::*, 22> PositionFields = {
    &Rail::X0,      &Rail::Y0,      &Rail::X1,   &Rail::Y1,   &Rail::X2,  &Rail::Y2,
    &Rail::C1X,     &Rail::C1Y,     &Rail::C2X,  &Rail::C2Y,  &Rail::C3X, &Rail::C3Y,
    &Rail::C4X,     &Rail::C4Y,     &Rail::C5X,  &Rail::C5Y,  &Rail::C6X, &Rail::C6Y,
    &Rail::CenterX, &Rail::CenterY, &Rail::MidX, &Rail::MidY,
};

constexpr std::array<float Rail::*, 8> CellFields = {
    &Rail::MidCellX, &Rail::MidCellY, &Rail::Cell0X, &Rail::Cell0Y,
    &Rail::Cell1X,   &Rail::Cell1Y,   &Rail::Cell2X, &Rail::Cell2Y,
};

std::array<float, 8> CellsOf(const Rail& r) {
    std::array<float, 8> cells{};
    for (std::size_t i = 0; i < CellFields.size(); ++i)
        cells[i] = r.*CellFields[i];
    return cells;
}

// The cells UpdateCells gives the rail's positions, in CellFields order.
std::array<float, 8> DerivedCells(const Rail& r) {
    return {CellOf(r.MidX), CellOf(r.MidY), CellOf(r.X0), CellOf(r.Y0),
            CellOf(r.X1),   CellOf(r.Y1),   CellOf(r.X2), CellOf(r.Y2)};
}

// Compared by their bits: a NaN from a damaged file is kept as it is.
bool SameBits(const std::array<float, 8>& a, const std::array<float, 8>& b) {
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::bit_cast<std::uint32_t>(a[i]) != std::bit_cast<std::uint32_t>(b[i])) return false;
    return true;
}

} // namespace

RailPositions::RailPositions(const Layout& layout)
    : mCount(std::max<std::int32_t>(
          0, std::min<std::int32_t>(layout.RailCount,
                                    static_cast<std::int32_t>(layout.Rails.size()) - 1))) {
    mFields.resize(static_cast<std::size_t>(mCount) * PositionFields.size());
    float* out = mFields.data();
    for (std::int32_t n = 1; n <= mCount; ++n) {
        const Rail& r = layout.Rails[static_cast<std::size_t>(n)];
        for (float Rail::*field : PositionFields)
            *out++ = r.*field;
        const std::array<float, 8> cells = CellsOf(r);
        if (!SameBits(cells, DerivedCells(r))) mCells.push_back({n, cells});
    }
}

void RailPositions::RestoreInto(Layout& layout) const {
    const std::int32_t count =
        std::min<std::int32_t>(mCount, static_cast<std::int32_t>(layout.Rails.size()) - 1);
    const float* in = mFields.data();
    for (std::int32_t n = 1; n <= count; ++n) {
        Rail& r = layout.Rails[static_cast<std::size_t>(n)];
        for (float Rail::*field : PositionFields)
            r.*field = *in++;
        UpdateCells(r);
    }
    for (const KeptCells& kept : mCells) {
        if (kept.Rail > count) continue;
        Rail& r = layout.Rails[static_cast<std::size_t>(kept.Rail)];
        for (std::size_t i = 0; i < CellFields.size(); ++i)
            r.*CellFields[i] = kept.Cells[i];
    }
}

} // namespace ferrovane::model

#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace ferrovane::model {

struct Layout;

// The position fields (end points, corners, side points, centre, middle) of rails
// 1..count of a layout, kept to be put back bit for bit. The index cells follow from
// the positions; only a rail whose stored cells differ from them (as a file may hold)
// keeps its cells as well.
class RailPositions {
public:
    RailPositions() = default;
    // The positions of every rail 1..RailCount.
    explicit RailPositions(const Layout& layout);

    // Puts the kept positions back into rails 1..Count(); rails added since are left
    // as they are. The index is not touched.
    void RestoreInto(Layout& layout) const;

    std::int32_t Count() const { return mCount; }

private:
    struct KeptCells {
        std::int32_t Rail = 0;
        std::array<float, 8> Cells{};
    };

    std::int32_t mCount = 0;
    std::vector<float> mFields; // FieldsPerRail for each rail, in rail order
    std::vector<KeptCells> mCells;
};

} // namespace ferrovane::model

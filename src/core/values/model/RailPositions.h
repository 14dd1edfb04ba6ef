#pragma once

#include <cstdint>
#include <vector>

namespace ferrovane::model {

struct Layout;

// The position fields (end points, corners, side points, centre, middle) and index cells
// of rails 1..count of a layout, as plain Singles in rail order, kept to be put back
// bit for bit.
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
    std::int32_t mCount = 0;
    std::vector<float> mFields;
};

} // namespace ferrovane::model

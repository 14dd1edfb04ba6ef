#pragma once

#include <vector>

#include "core/compute/render/DrawnBox.h"

namespace ferrovane::render {

// The rails' drawn boxes sorted into a coarse grid of square cells, so that a piece of
// the board finds the rails that may reach it without looking at every rail.
class RailBuckets {
public:
    // BOXES indexed by rail number; empty boxes are left out.
    explicit RailBuckets(const std::vector<DrawnBox>& boxes);
    RailBuckets() = default;

    // The rails whose boxes may meet AREA (a superset of those that do), in ascending
    // order, each once: the order the rails are drawn in.
    std::vector<int> Near(const DrawnBox& area) const;

private:
    struct CellRange {
        int C0, R0, C1, R1;
    };
    CellRange CellsOf(const DrawnBox& box) const;

    double mOriginX = 0, mOriginY = 0, mCell = 1;
    int mCols = 0, mRows = 0;
    std::vector<std::vector<int>> mCells;
};

} // namespace ferrovane::render

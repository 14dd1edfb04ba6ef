#include "core/compute/render/RailBuckets.h"

#include <algorithm>
#include <cmath>

namespace ferrovane::render {

namespace {

// Cells are never smaller than this many layout units, and a grid has at most
// MaxCells cells a side: the grid stays small whatever the board's size.
constexpr double MinCell = 256;
constexpr int MaxCells = 256;

int ClampCell(double v, int count) {
    if (!(v >= 0)) return 0; // also NaN
    if (v >= count - 1) return count - 1;
    return static_cast<int>(v);
}

} // namespace

RailBuckets::RailBuckets(const std::vector<DrawnBox>& boxes) {
    DrawnBox all;
    for (const DrawnBox& box : boxes)
        all.Add(box);
    if (all.Empty()) return;
    mOriginX = all.MinX;
    mOriginY = all.MinY;
    const double extent = std::max<double>(all.MaxX - all.MinX, all.MaxY - all.MinY);
    mCell = std::max(MinCell, extent / MaxCells);
    mCols = std::max(1, static_cast<int>(std::ceil((all.MaxX - all.MinX) / mCell)) + 1);
    mRows = std::max(1, static_cast<int>(std::ceil((all.MaxY - all.MinY) / mCell)) + 1);
    mCols = std::min(mCols, MaxCells + 1);
    mRows = std::min(mRows, MaxCells + 1);
    mCells.resize(static_cast<std::size_t>(mCols) * static_cast<std::size_t>(mRows));
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        if (boxes[i].Empty()) continue;
        const CellRange r = CellsOf(boxes[i]);
        for (int row = r.R0; row <= r.R1; ++row)
            for (int col = r.C0; col <= r.C1; ++col)
                mCells[static_cast<std::size_t>(row) * static_cast<std::size_t>(mCols) +
                       static_cast<std::size_t>(col)]
                    .push_back(static_cast<int>(i));
    }
}

RailBuckets::CellRange RailBuckets::CellsOf(const DrawnBox& box) const {
    return {ClampCell((box.MinX - mOriginX) / mCell, mCols),
            ClampCell((box.MinY - mOriginY) / mCell, mRows),
            ClampCell((box.MaxX - mOriginX) / mCell, mCols),
            ClampCell((box.MaxY - mOriginY) / mCell, mRows)};
}

std::vector<int> RailBuckets::Near(const DrawnBox& area) const {
    std::vector<int> rails;
    if (mCells.empty() || area.Empty()) return rails;
    const CellRange r = CellsOf(area);
    for (int row = r.R0; row <= r.R1; ++row)
        for (int col = r.C0; col <= r.C1; ++col) {
            const auto& cell =
                mCells[static_cast<std::size_t>(row) * static_cast<std::size_t>(mCols) +
                       static_cast<std::size_t>(col)];
            rails.insert(rails.end(), cell.begin(), cell.end());
        }
    std::sort(rails.begin(), rails.end());
    rails.erase(std::unique(rails.begin(), rails.end()), rails.end());
    return rails;
}

} // namespace ferrovane::render

#pragma once

#include <vector>

#include "core/values/model/Layout.h"
#include "core/values/model/RailIndex.h"

namespace ferrovane::output {

// A rectangle of the layout in layout units.
struct LayoutRect {
    float Left = 0, Top = 0, Width = 0, Height = 0;
    float Right() const { return Left + Width; }
    float Bottom() const { return Top + Height; }
    bool operator==(const LayoutRect&) const = default;
};

// The printable area of one sheet, in millimetres.
struct PaperArea {
    float Width = 0, Height = 0;
};

// Neighbouring pages of a plan printed at a fixed scale share this much, so they can be
// laid over each other and taped.
inline constexpr float PageOverlapMm = 10;

// One sheet of a printed plan: its place in the grid (row and column from 1) and the
// part of the layout it shows.
struct PrintPage {
    int Row = 1, Column = 1;
    LayoutRect Area;
    bool HasRails = true;
};

// How a range of the layout falls on paper. A layout unit is a millimetre of the real
// track, so at 1:n one millimetre of paper shows n units.
struct PageGrid {
    float UnitsPerMm = 1;
    int Rows = 1, Columns = 1;
    std::vector<PrintPage> Pages; // row by row
};

// Scale 0 fits the whole range on one page (its area is the range widened to the
// paper's shape, centred); 1:n cuts the range into pages of the printable area,
// neighbours overlapping by PageOverlapMm, the grid centred over the range.
PageGrid MakePageGrid(const LayoutRect& range, const PaperArea& printable, int scaleDenominator);

// The rows and columns (from 0, inclusive) of the pages a box of the layout reaches;
// empty (First > Last) in a direction where it reaches none.
struct PageSpan {
    int FirstRow = 0, LastRow = -1, FirstColumn = 0, LastColumn = -1;
};
PageSpan PagesReached(const PageGrid& grid, const model::Extents& box);

// Marks the pages no rail or label reaches (by the features the layout's extents take).
void MarkEmptyPages(PageGrid& grid, const model::Layout& layout);

// The range a plan prints: the layout's extents when asked, otherwise the board.
LayoutRect PrintRange(const model::Layout& layout, bool automaticRange);

} // namespace ferrovane::output

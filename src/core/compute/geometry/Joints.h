#pragma once

namespace ferrovane::model {
struct Layout;
}

namespace ferrovane::geometry {

// Deletes rail n: Valid = False and its neighbours' ends freed. Rail n keeps its own
// links so that an undo can join it again. The index is not touched.
void RemoveRail(model::Layout& layout, int n);

// Moves rail n by (dx, dy), recomputes its cells, marks the layout modified and
// rebuilds the index. Links and angles do not change.
void TranslateRail(model::Layout& layout, int n, float dx, float dy);

// Moves every rail 1..RailCount by (dx, dy) as TranslateRail does, with one index
// rebuild at the end instead of one per rail.
void TranslateAllRails(model::Layout& layout, float dx, float dy);

// The same move without the index rebuild, for a caller that rebuilds it afterwards.
void ShiftAllRails(model::Layout& layout, float dx, float dy);

} // namespace ferrovane::geometry

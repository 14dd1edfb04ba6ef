#pragma once

namespace ferrovane::model {
struct Layout;
}

namespace ferrovane::geometry {

// Brings the index up to date after rails first..RailCount were appended (and nothing
// else changed since the index was last built). The result is what RebuildRailIndex
// would build, but only the new rails' tokens are added: when they widen the grid, the
// old cells are moved into the wider one. It rebuilds only when an earlier feature
// was left out of the grid or the grid would not hold the old one.
void IndexNewRails(model::Layout& layout, int first);

} // namespace ferrovane::geometry

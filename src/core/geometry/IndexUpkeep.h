#pragma once

namespace ferrovane::model {
struct Layout;
}

namespace ferrovane::geometry {

// Brings the index up to date after rails first..RailCount were appended (and nothing
// else changed since the index was last built). The result is what RebuildRailIndex
// would build, but when the grid keeps its size only the new rails' tokens are added.
void IndexNewRails(model::Layout& layout, int first);

} // namespace ferrovane::geometry

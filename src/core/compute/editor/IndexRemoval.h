#pragma once

namespace ferrovane::model {
struct Layout;
}

namespace ferrovane::editor {

// Takes the tokens of rail n out of the cells its features lie in, leaving every other
// token in its order: after a deletion the index then finds exactly what a rebuild
// would, without the cost of rebuilding it for one rail. The grid keeps its extent.
// Without an index it is rebuilt instead.
void RemoveRailFromIndex(model::Layout& layout, int n);

} // namespace ferrovane::editor

#pragma once

namespace ferrovane::app {
struct Workspace;
}

namespace ferrovane::editor {

// What a new or opened layout must forget of the previous one: the undo journal (its
// records name rail numbers of that layout and would corrupt another), the selection
// and the rail under the pointer. The document commands call it once the new layout is
// in place.
void ForgetLayoutEdits(app::Workspace& ws);

} // namespace ferrovane::editor

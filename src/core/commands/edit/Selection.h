#pragma once

#include <cstdint>
#include <vector>

namespace ferrovane::app {
struct Workspace;
}
namespace ferrovane::model {
struct Layout;
}

namespace ferrovane::editor {

struct EditorState;

// The selection lives in EditorState::SelRailList: element 0 is the number of slots in
// use, slots 1..count hold rail numbers, a slot holding 0 is an entry removed again.

// Left click on a rail while placing: adds the rail, or removes it when it is selected
// already. Cut and copy are offered while anything is selected.
void ToggleSelection(app::Workspace& ws, int rail);

// Empties the list (two zero slots).
void ClearSelection(EditorState& editor);

// Slots in use (element 0); 0 means nothing is selected.
int SelectionSlots(const EditorState& editor);

// Selected rails: the non-zero slots, as the status line counts them.
int SelectedCount(const EditorState& editor);

// The non-zero slots 1..count in slot order.
std::vector<int> SelectedRails(const EditorState& editor);

// The order a command acts on the selection in: the rail of the last slot first (it
// starts the undo group), then the others in slot order.
std::vector<int> SelectionActionOrder(const EditorState& editor);

// Range selection: replaces the selection with every rail whose middle point lies
// strictly inside the box, as the spatial index lists them.
void SelectRailsInBox(const model::Layout& layout, EditorState& editor, std::int32_t minX,
                      std::int32_t minY, std::int32_t maxX, std::int32_t maxY);

} // namespace ferrovane::editor

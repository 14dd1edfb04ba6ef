#pragma once

namespace ferrovane::app {
struct Workspace;
}

namespace ferrovane::editor {

// Deletes rail n and, when it heads a rail-box group, the group's members, as one undo
// action with a deletion record for each. Marks the layout modified; the
// index loses their tokens and so finds what a rebuild would. A rail that is not live
// (below 1, beyond the layout, deleted already) is left alone and no record is written:
// deleting it again would free ends its old neighbours have since given to other rails.
// Returns whether anything was deleted.
bool DeleteRailNo(app::Workspace& ws, int n);

// Deletes the selected rails as one undo action (the rail of the last slot starts it),
// clears the selection and redraws. Returns the number of rails deleted.
int DeleteSelection(app::Workspace& ws);

// Opening the delete tool: with two or more rails selected the user may delete them
// first. The board then deletes what is clicked.
void OpenDeleteTool(app::Workspace& ws);
// A click on a rail in the delete tool: deletes PointedRail and redraws.
void DeleteRail(app::Workspace& ws);
void CloseDeleteTool(app::Workspace& ws);

// The context menu's delete: the selection when more than one rail is selected and the
// user agrees, else the rail that was right-clicked (PointedRail).
void DeleteFromContextMenu(app::Workspace& ws);

} // namespace ferrovane::editor

#pragma once

#include <cstdint>

namespace ferrovane::app {
struct Workspace;
}

namespace ferrovane::editor {

// Gives a live rail a new colour as one undo action, with a record of its old colour; a
// group head's members follow with records of their own. Marks the layout modified.
// Returns whether anything changed.
bool RecolourRail(app::Workspace& ws, int rail, std::int32_t colour);

// Recolours the selection as one undo action and clears it. Returns the rails recoloured.
int RecolourSelection(app::Workspace& ws, std::int32_t colour);

// Opening the recolour tool: with rails selected the user chooses between the whole
// selection (true) and a single rail clicked on the board (false).
bool OpenRecolourTool(app::Workspace& ws);
// The tool's apply button: the selection, or PointedRail; then the redraw.
void ApplyRecolour(app::Workspace& ws, bool selectionMode, std::int32_t colour);
void CloseRecolourTool(app::Workspace& ws);

} // namespace ferrovane::editor

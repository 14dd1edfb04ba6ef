#pragma once

namespace ferrovane::app {
struct Workspace;
}

namespace ferrovane::catalogue {

// The catalogue editor's steps on the workspace; the editing operations themselves are
// in CatalogueEditing.h.

// Opening: the board goes inert and the clipboard box is dropped, so that it never
// reaches the catalogue file.
void OpenCatalogueEditor(app::Workspace& ws);

// Apply colours to the layout: after the user agreed, every straight, curve and point
// takes its catalogue colour; the board is redrawn. Returns the rails changed.
int ApplyColoursToLayout(app::Workspace& ws);

// Closing: the last entry of every kind is the user rail again, the board is live, the
// catalogue is written (an invalid catalogue is reported and not written) and the tool
// box shows the new lists. Returns whether the file was written.
bool CloseCatalogueEditor(app::Workspace& ws);

} // namespace ferrovane::catalogue

#pragma once

#include "core/compute/catalogue/Catalogue.h"

namespace ferrovane::app {
struct Workspace;
}

namespace ferrovane::catalogue {

// The catalogue editor's steps on the workspace; the editing operations themselves are
// in CatalogueEditing.h. The editor works on the workspace's catalogue itself and
// keeps the catalogue as it was, to put it back when the user leaves without saving.
struct CatalogueEditorSession {
    Catalogue Original; // before opening, clipboard box included
    Catalogue Opened;   // as the editor first showed it
};

// Opening: the board goes inert and the clipboard box is dropped, so that it never
// reaches the catalogue file.
CatalogueEditorSession OpenCatalogueEditor(app::Workspace& ws);

// Whether the catalogue differs from what the editor opened with.
bool CatalogueEdited(const app::Workspace& ws, const CatalogueEditorSession& session);

// Apply colours to the layout: after the user agreed, every straight, curve and point
// takes its catalogue colour; the board is redrawn. Returns the rails changed.
int ApplyColoursToLayout(app::Workspace& ws);

// Closing (save and close): the last entry of every kind is the user rail again, the
// board is live, the catalogue is written (an invalid catalogue is reported and not
// written) and the tool box shows the new lists. Returns whether the file was written.
bool CloseCatalogueEditor(app::Workspace& ws);

// Leaving without saving: the catalogue is put back exactly as it was before opening
// and the board is live again; the file is not touched.
void DiscardCatalogueEdits(app::Workspace& ws, const CatalogueEditorSession& session);

// The window's close box (and Esc). An unchanged catalogue closes without writing;
// otherwise the user is asked whether to save: Yes saves as CloseCatalogueEditor does,
// No puts the catalogue back, Cancel keeps the editor open.
enum class EditorCloseResult { Saved, Discarded, StayOpen };
EditorCloseResult CloseCatalogueEditorByBox(app::Workspace& ws,
                                            const CatalogueEditorSession& session);

} // namespace ferrovane::catalogue

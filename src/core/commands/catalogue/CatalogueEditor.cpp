#include "core/commands/catalogue/CatalogueEditor.h"

#include "core/commands/catalogue/CatalogueSave.h"
#include "core/commands/edit/Clipboard.h"
#include "core/commands/workspace/Workspace.h"
#include "core/compute/catalogue/CatalogueEditing.h"
#include "core/compute/catalogue/CatalogueWriter.h"
#include "core/values/platform/UiHost.h"

namespace ferrovane::catalogue {

void OpenCatalogueEditor(app::Workspace& ws) {
    ws.Editor.AStatus = model::EditorMode::CatalogueEditor;
    editor::RemoveClipRail(ws.Catalogue);
}

int ApplyColoursToLayout(app::Workspace& ws) {
    const int changed = ApplyCatalogueColours(*ws.Host, ws.Catalogue, ws.Layout);
    if (changed > 0) ws.Redraw->ReDrawBackScreen();
    return changed;
}

bool CloseCatalogueEditor(app::Workspace& ws) {
    RenameUserRailSlots(ws.Catalogue);
    ws.Editor.AStatus = model::EditorMode::Place;
    const bool written = WriteCatalogue(ws);
    // Closed and opened again, so that its lists show the new catalogue.
    ws.Host->HideToolBox();
    ws.Host->RefreshRailLists();
    ws.Host->ShowToolBox();
    return written;
}

} // namespace ferrovane::catalogue

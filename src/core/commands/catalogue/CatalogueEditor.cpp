#include "core/commands/catalogue/CatalogueEditor.h"

#include <algorithm>

#include "core/commands/catalogue/CatalogueSave.h"
#include "core/commands/edit/Clipboard.h"
#include "core/commands/workspace/Workspace.h"
#include "core/compute/catalogue/CatalogueEditing.h"
#include "core/compute/catalogue/CatalogueWriter.h"
#include "core/values/platform/UiHost.h"
#include "core/values/text/Messages.h"

namespace ferrovane::catalogue {

namespace {

// Deleted entries may leave a chosen piece past the end of its kind.
void KeepChoicesInRange(app::Workspace& ws) {
    const auto clamp = [](std::int16_t& sel, std::int32_t max) {
        sel = static_cast<std::int16_t>(std::clamp<std::int32_t>(sel, 0, std::max(max, 0)));
    };
    clamp(ws.Editor.SelStraight, ws.Catalogue.StraightTypeMax);
    clamp(ws.Editor.SelCurve, ws.Catalogue.CurveTypeMax);
    clamp(ws.Editor.SelPoint, ws.Catalogue.PointTypeMax);
}

// The board is live again and the tool box, closed and opened again, shows the lists
// of the catalogue as it now is.
void EndEditor(app::Workspace& ws) {
    ws.Editor.AStatus = model::EditorMode::Place;
    KeepChoicesInRange(ws);
    ws.Host->HideToolBox();
    ws.Host->RefreshRailLists();
    ws.Host->ShowToolBox();
    ws.Changed.Mark({app::Change::Catalogue, app::Change::Tool});
}

} // namespace

CatalogueEditorSession OpenCatalogueEditor(app::Workspace& ws) {
    CatalogueEditorSession session;
    session.Original = ws.Catalogue;
    ws.Editor.AStatus = model::EditorMode::CatalogueEditor;
    editor::RemoveClipRail(ws.Catalogue);
    session.Opened = ws.Catalogue;
    ws.Changed.Mark({app::Change::Catalogue, app::Change::Tool});
    return session;
}

bool CatalogueEdited(const app::Workspace& ws, const CatalogueEditorSession& session) {
    return ws.Catalogue != session.Opened;
}

int ApplyColoursToLayout(app::Workspace& ws) {
    const int changed = ApplyCatalogueColours(*ws.Host, ws.Catalogue, ws.Layout);
    if (changed > 0) {
        // The colours are not journaled, so an action taken back before cannot be done
        // again over them.
        ws.Undo.ForgetRedo();
        ws.Redraw->ReDrawBackScreen();
        ws.Changed.Mark(app::Change::Layout);
    }
    return changed;
}

bool CloseCatalogueEditor(app::Workspace& ws) {
    RenameUserRailSlots(ws.Catalogue);
    ws.Editor.AStatus = model::EditorMode::Place;
    const bool written = WriteCatalogue(ws);
    EndEditor(ws);
    return written;
}

void DiscardCatalogueEdits(app::Workspace& ws, const CatalogueEditorSession& session) {
    ws.Catalogue = session.Original;
    EndEditor(ws);
}

EditorCloseResult CloseCatalogueEditorByBox(app::Workspace& ws,
                                            const CatalogueEditorSession& session) {
    // Only looking at the catalogue writes nothing.
    if (!CatalogueEdited(ws, session)) {
        DiscardCatalogueEdits(ws, session);
        return EditorCloseResult::Discarded;
    }
    const platform::Answer answer = platform::ShowModal(
        *ws.Host, {text::Msg(text::MessageId::SaveChangesQuestion),
                   text::Msg(text::MessageId::CatalogueEditorTitle),
                   platform::MessageIcon::Question, platform::MessageButtons::YesNoCancel});
    switch (answer) {
    case platform::Answer::Yes:
        CloseCatalogueEditor(ws);
        return EditorCloseResult::Saved;
    case platform::Answer::No:
        DiscardCatalogueEdits(ws, session);
        return EditorCloseResult::Discarded;
    default:
        return EditorCloseResult::StayOpen;
    }
}

} // namespace ferrovane::catalogue

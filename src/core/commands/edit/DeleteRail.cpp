#include "core/commands/edit/DeleteRail.h"

#include "core/commands/edit/Selection.h"
#include "core/commands/workspace/Workspace.h"
#include "core/compute/editor/IndexRemoval.h"
#include "core/compute/editor/RailGroup.h"
#include "core/compute/geometry/Joints.h"
#include "core/values/platform/UiHost.h"
#include "core/values/text/Messages.h"

namespace ferrovane::editor {

namespace {

// Deletes rail n and its group; the index loses their tokens, which gives what a
// rebuild would at a fraction of its cost on a large layout.
bool RemoveWithRecords(app::Workspace& ws, int n, UndoGroup& undo) {
    model::Layout& layout = ws.Layout;
    if (!layout.IsLive(n)) return false;
    const int last = GroupLast(layout, n);
    geometry::RemoveRail(layout, n);
    RemoveRailFromIndex(layout, n);
    undo.Add(RailDeleted{n});
    for (int k = n + 1; k <= last; ++k) {
        if (!layout.Rails[k].Valid) continue;
        geometry::RemoveRail(layout, k);
        RemoveRailFromIndex(layout, k);
        undo.Add(RailDeleted{k});
    }
    layout.Modified = true;
    return true;
}

bool AskDelete(app::Workspace& ws, const char* text) {
    return platform::ShowModal(*ws.Host, {text, text::Msg(text::MessageId::DeleteTitle),
                                          platform::MessageIcon::Question,
                                          platform::MessageButtons::YesNo}) ==
           platform::Answer::Yes;
}

} // namespace

bool DeleteRailNo(app::Workspace& ws, int n) {
    UndoGroup undo(ws.Undo);
    return RemoveWithRecords(ws, n, undo);
}

int DeleteSelection(app::Workspace& ws) {
    int deleted = 0;
    // The group starts with the first record actually written, so a slot naming a rail
    // that is gone already cannot leave the action without its start.
    UndoGroup undo(ws.Undo);
    for (const int n : SelectionActionOrder(ws.Editor))
        if (RemoveWithRecords(ws, n, undo)) ++deleted;
    ClearSelection(ws.Editor);
    ws.Host->EnableCC(false);
    ws.Redraw->ReDrawBackScreen();
    return deleted;
}

void OpenDeleteTool(app::Workspace& ws) {
    if (SelectedCount(ws.Editor) >= 2 &&
        AskDelete(ws, text::Msg(text::MessageId::DeleteSelectionToo)))
        DeleteSelection(ws);
    ws.Editor.AStatus = EditorMode::Delete;
}

void DeleteRail(app::Workspace& ws) {
    DeleteRailNo(ws, ws.Editor.PointedRail);
    ws.Redraw->ReDrawBackScreen();
}

void CloseDeleteTool(app::Workspace& ws) {
    ws.Editor.AStatus = EditorMode::Place;
}

void DeleteFromContextMenu(app::Workspace& ws) {
    if (SelectedCount(ws.Editor) > 1) {
        if (AskDelete(ws, text::Msg(text::MessageId::DeleteSelection))) DeleteSelection(ws);
        return;
    }
    DeleteRailNo(ws, ws.Editor.PointedRail);
    ws.Redraw->ReDrawBackScreen();
}

} // namespace ferrovane::editor

#include "core/commands/edit/Recolour.h"

#include "core/commands/edit/Selection.h"
#include "core/commands/workspace/Workspace.h"
#include "core/compute/editor/RailGroup.h"
#include "core/values/platform/UiHost.h"
#include "core/values/text/Messages.h"

namespace ferrovane::editor {

namespace {

bool RecolourWithRecords(app::Workspace& ws, UndoGroup& undo, int rail, std::int32_t colour) {
    model::Layout& layout = ws.Layout;
    if (!layout.IsLive(rail)) return false;
    const int last = GroupLast(layout, rail);
    for (int n = rail; n <= last; ++n) {
        model::Rail& r = layout.Rails[n];
        undo.Add(RailRecoloured{n, r.Color, colour});
        r.Color = colour;
    }
    // Colours are not part of the index, so it stays as it is.
    layout.Modified = true;
    return true;
}

} // namespace

bool RecolourRail(app::Workspace& ws, int rail, std::int32_t colour) {
    UndoGroup undo(ws.Undo);
    return RecolourWithRecords(ws, undo, rail, colour);
}

int RecolourSelection(app::Workspace& ws, std::int32_t colour) {
    int recoloured = 0;
    UndoGroup undo(ws.Undo);
    for (const int n : SelectionActionOrder(ws.Editor))
        if (RecolourWithRecords(ws, undo, n, colour)) ++recoloured;
    ClearSelection(ws.Editor);
    ws.Host->EnableCC(false);
    return recoloured;
}

bool OpenRecolourTool(app::Workspace& ws) {
    bool selectionMode = false;
    if (SelectedCount(ws.Editor) > 0)
        selectionMode = platform::ShowModal(
                            *ws.Host, {text::Msg(text::MessageId::RecolourSelectionQuestion),
                                       text::Msg(text::MessageId::RecolourTitle),
                                       platform::MessageIcon::Question,
                                       platform::MessageButtons::YesNo}) == platform::Answer::Yes;
    ws.Editor.AStatus = EditorMode::Recolour;
    return selectionMode;
}

void ApplyRecolour(app::Workspace& ws, bool selectionMode, std::int32_t colour) {
    if (selectionMode)
        RecolourSelection(ws, colour);
    else
        RecolourRail(ws, ws.Editor.PointedRail, colour);
    ws.Redraw->ReDrawBackScreen();
}

void CloseRecolourTool(app::Workspace& ws) {
    ws.Editor.AStatus = EditorMode::Place;
}

} // namespace ferrovane::editor

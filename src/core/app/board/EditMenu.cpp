#include "core/app/board/EditMenu.h"

#include "core/app/board/BoardModes.h"
#include "core/commands/edit/Clipboard.h"
#include "core/commands/edit/Selection.h"
#include "core/commands/workspace/Workspace.h"
#include "core/compute/geometry/RailBoxWork.h"

namespace ferrovane::editor {

EditMenuState EditMenuStateOf(const app::Workspace& ws) {
    EditMenuState state;
    state.Redo = ws.Undo.RedoCount() > 0;
    state.CutCopyDelete = SelectedCount(ws.Editor) > 0;
    const int clip = FindClipRail(ws.Catalogue);
    state.Paste = clip >= 0 && geometry::IsRailBox(ws.Catalogue, clip);
    state.RangeSelect = ws.Editor.AStatus == EditorMode::RangeArmed ||
                        ws.Editor.AStatus == EditorMode::RangeDragging;
    return state;
}

bool ArmClipRail(app::Workspace& ws) {
    ws.Changed.Mark(app::Change::Tool);
    if (!EditMenuStateOf(ws).Paste) return false;
    auto& ed = ws.Editor;
    ws.ToolBox.ObjectIndex = PieceKind::RailBox;
    ed.PlaceKind = PieceKind::RailBox;
    ed.SelBox = static_cast<std::int16_t>(FindClipRail(ws.Catalogue));
    ed.BoxTurn = 0;
    ed.AStatus = EditorMode::Place;
    // The kind buttons are drawn anew for the rail-box kind.
    ws.ToolBox.ShownButtonId = -32768;
    return true;
}

} // namespace ferrovane::editor

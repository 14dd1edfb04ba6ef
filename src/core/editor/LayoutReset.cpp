#include "core/editor/LayoutReset.h"

#include "core/app/Workspace.h"
#include "core/editor/Selection.h"
#include "core/platform/UiHost.h"

namespace ferrovane::editor {

void ForgetLayoutEdits(app::Workspace& ws) {
    ws.Undo.Clear();
    ClearSelection(ws.Editor);
    ws.Editor.PointedRail = -1;
    ws.Editor.SnapRail = -1;
    ws.Host->EnableCC(false);
}

} // namespace ferrovane::editor

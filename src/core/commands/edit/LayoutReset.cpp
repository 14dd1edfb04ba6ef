#include "core/commands/edit/LayoutReset.h"

#include "core/commands/edit/Selection.h"
#include "core/commands/workspace/Workspace.h"
#include "core/values/platform/UiHost.h"

namespace ferrovane::editor {

void ForgetLayoutEdits(app::Workspace& ws) {
    ws.Undo.Clear();
    ClearSelection(ws.Editor);
    ws.Editor.PointedRail = -1;
    ws.Editor.SnapRail = -1;
    ws.Host->EnableCC(false);
}

} // namespace ferrovane::editor

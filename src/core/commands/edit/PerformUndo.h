#pragma once

namespace ferrovane::app {
struct Workspace;
}

namespace ferrovane::editor {

// Takes back the most recent user action: journal records are taken off the end and
// reversed, up to and including the record that started the action. The index is
// brought up to date and the off-screen image redrawn. Nothing when the journal is
// empty.
void PerformUndo(app::Workspace& ws);

// The undo menu command: PerformUndo, and the layout counts as modified.
void UndoCommand(app::Workspace& ws);

} // namespace ferrovane::editor

#pragma once

namespace ferrovane::app {
struct Workspace;
}

namespace ferrovane::editor {

// Takes back the most recent user action: journal records are taken off the end and
// reversed, up to and including the record that started the action. What the rails
// were before is kept, so the action can be done again. The index is brought up to
// date and the off-screen image redrawn. Nothing when the journal is empty.
void PerformUndo(app::Workspace& ws);

// Does again the action most recently taken back, exactly as it stood before the undo,
// and puts its records back on the journal. Nothing when no action waits.
void PerformRedo(app::Workspace& ws);

// The undo menu command: PerformUndo, and the layout counts as modified.
void UndoCommand(app::Workspace& ws);

// The redo menu command: PerformRedo, and the layout counts as modified.
void RedoCommand(app::Workspace& ws);

} // namespace ferrovane::editor

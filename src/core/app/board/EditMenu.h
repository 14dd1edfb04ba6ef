#pragma once

#include "core/values/text/Messages.h"

namespace ferrovane::app {
struct Workspace;
}

namespace ferrovane::editor {

// The redo item of the Edit menu: its caption, and what the status line says while the
// pointer is on it.
inline const char* RedoCaption() {
    return text::Msg(text::MessageId::RedoCaption);
}
inline const char* RedoStatusText() {
    return text::Msg(text::MessageId::RedoStatusText);
}

// What the Edit menu and the board's context menus offer at this moment.
struct EditMenuState {
    bool Redo = false;          // an action taken back waits to be done again
    bool CutCopyDelete = false; // rails are selected
    bool Paste = false;         // the clipboard box holds rails
    bool RangeSelect = false;   // range selection is armed or being dragged

    bool operator==(const EditMenuState&) const = default;
};

EditMenuState EditMenuStateOf(const app::Workspace& ws);

// Edit -> paste: the clipboard box becomes the piece to lay, as if chosen in the tool
// box's rail-box list; the next click on a free end or on empty board lays it. False,
// and nothing changed, when the clipboard box is empty.
bool ArmClipRail(app::Workspace& ws);

} // namespace ferrovane::editor

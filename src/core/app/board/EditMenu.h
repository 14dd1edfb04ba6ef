#pragma once

namespace ferrovane::app {
struct Workspace;
}

namespace ferrovane::editor {

// What the Edit menu and the board's context menus offer at this moment.
struct EditMenuState {
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

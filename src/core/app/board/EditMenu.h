#pragma once

namespace ferrovane::app {
struct Workspace;
}

namespace ferrovane::editor {

// The redo item of the Edit menu: its caption, and what the status line says while the
// pointer is on it.
inline constexpr const char* RedoCaption = "やり直し(&R)";
inline constexpr const char* RedoStatusText = "取り消した操作をやり直します";

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

#pragma once

#include <string>

namespace ferrovane::app {
struct Workspace;
}
namespace ferrovane::catalogue {
struct Catalogue;
}

namespace ferrovane::editor {

// Cut and copy keep the selected straights and curves as the rail box "クリップレール"
// at the end of the catalogue's rail boxes; pasting is placing that box.

// Records of real rail boxes in the catalogue (0 when it holds none).
int RailBoxRecordCount(const catalogue::Catalogue& catalogue);

// Drops the clip-rail box (and anything after it) if the catalogue holds one.
void RemoveClipRail(catalogue::Catalogue& catalogue);

// Appends the selection as the clip-rail box, positions relative to end 0 of the first
// selected rail; rails other than straights and curves are left out. The tool box
// refreshes its lists.
void StoreClipRail(app::Workspace& ws);
// The same under any box name: the rail-box window keeps a selection as a box of its own.
void StoreSelectionAsBox(app::Workspace& ws, const std::string& boxName);

// Copy and cut of the selection. Cut deletes the selection as one undo action. Without
// a selection both leave the clipboard box as it is.
void CopySelection(app::Workspace& ws);
void CutSelection(app::Workspace& ws);

// The header index of the clip-rail box, or -1.
int FindClipRail(const catalogue::Catalogue& catalogue);

} // namespace ferrovane::editor

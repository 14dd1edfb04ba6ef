#pragma once

#include <cstdint>

namespace ferrovane::app {
struct Workspace;
}

namespace ferrovane::geometry {

// Shows the selected rail box (SelBox) attached by joint `turn` at the detected end
// (atSnap) or at the pointer, turned by `angle`, in the preview slot on the visible
// board. turn is first moved to an open joint. The layout does not change.
void PreviewRailBox(app::Workspace& ws, float angle, std::int16_t& turn, bool atSnap);

// Lays the selected rail box into the layout, attached by joint `turn` (already moved to
// an open joint by the preview): one rail per member, joined wherever an open end meets
// a free end, one "SET" record per rail in one undo action. Refused (nothing placed) at
// a detected end that is already joined, or when the members do not fit the layout.
void PlaceRailBox(app::Workspace& ws, float angle, std::int16_t turn, bool atSnap);

} // namespace ferrovane::geometry

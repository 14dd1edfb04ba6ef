#pragma once

#include <cstdint>
#include <vector>

#include "core/values/model/Rail.h"

namespace ferrovane::app {
struct Workspace;
}
namespace ferrovane::catalogue {
struct Catalogue;
}

namespace ferrovane::geometry {

// Shows the selected rail box (SelBox) attached by joint `turn` at the detected end
// (atSnap) or at the pointer, turned by `angle`, in the preview slot on the visible
// board. turn is first moved to an open joint. The layout does not change.
void PreviewRailBox(app::Workspace& ws, float angle, std::int16_t& turn, bool atSnap);

// The members of box `box` laid as they stand in the catalogue, the box's origin at
// (0, 0) and unturned, for a picture of the box; empty when there is no such box.
std::vector<model::Rail> LayRailBoxSample(const catalogue::Catalogue& catalogue, int box,
                                          int railWidth);

// Lays the selected rail box into the layout, attached by joint `turn` (already moved to
// an open joint by the preview): one rail per member, joined wherever an open end meets
// a free end, one "SET" record per rail in one undo action. Refused (nothing placed) at
// a detected end that is already joined, or when the members do not fit the layout.
void PlaceRailBox(app::Workspace& ws, float angle, std::int16_t turn, bool atSnap);

} // namespace ferrovane::geometry

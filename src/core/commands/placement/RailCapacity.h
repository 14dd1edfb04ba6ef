#pragma once

namespace ferrovane::app {
struct Workspace;
}

namespace ferrovane::geometry {

// True when `needed` more rails fit into the layout. Otherwise tells the user that the
// layout is full and returns false; the caller then places nothing.
bool RoomForRails(app::Workspace& ws, int needed);

} // namespace ferrovane::geometry

#pragma once

namespace ferrovane::app {
struct Workspace;
}

namespace ferrovane::render {

// The View menu's smooth display: lines, arcs and text of the board anti-aliased or
// not. The choice is a setting (kept for the next start) and redraws the board.
void SetSmoothDisplay(app::Workspace& ws, bool on);

} // namespace ferrovane::render

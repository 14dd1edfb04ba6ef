#pragma once

#include "core/compute/render/View.h"
#include "core/values/settings/Settings.h"

namespace ferrovane::app {
struct Workspace;
}

namespace ferrovane::render {

class ScreenRenderer;

const char* AutoScrollReadyText();
const char* AutoScrollRunningText();
inline constexpr int AutoScrollSteps = 8;

// The pointer the board shows after an automatic-scroll check.
enum class AutoScrollPointer { Cross, Left, Up, Right, Down };

// Sets AutoScrollState from the pointer at (x, y) in visible-window units and at
// (mouseX, mouseY) on the board: a zone near an edge where the board goes on, kept
// unchanged when that direction's scroll bar is disabled, else 0.
void CheckAutoScroll(View& view, const app::Settings& settings, int layoutWidth, int layoutHeight,
                     float mouseX, float mouseY, float x, float y);

// The scroll bar value after one automatic step in zone (11..14), or the value itself
// when the step would leave the bar's range.
int AutoScrollStep(const ScrollBar& bar, int zone, const app::Settings& settings);

// Zones 1..4: the hint; 11..14: eight scroll steps, each scrolled and refreshed. Returns
// the pointer for the zone.
AutoScrollPointer SetAutoScroll(app::Workspace& ws, ScreenRenderer& renderer);

} // namespace ferrovane::render

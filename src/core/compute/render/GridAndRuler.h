#pragma once

#include "core/compute/render/Surface.h"
#include "core/compute/render/TScreen.h"
#include "core/values/settings/Settings.h"

namespace ferrovane::render {

inline constexpr float RulerTickLength = 20;
inline constexpr float NumberFontSize = 9;

// Grid lines every GridWidth / GridHeight units across a board of w by h, the first
// at one spacing from the edge (none at 0); origin (0, 0), pen width 1, GridColor.
void SetGrid(Surface& surface, const app::Settings& settings, int w, int h);

// Ruler ticks along the top and left edges of the visible window, every fifth of the
// grid spacing, aligned with the board's grid.
void SetMemori(Surface& surface, const app::Settings& settings, const TScreen& screen);

// The board coordinates of the grid lines along the top and left edges.
void SetNumber(Surface& surface, const app::Settings& settings, const TScreen& screen);

// The integer remainder of v (to the nearest integer, halves to even) by m (m > 0).
long long RoundedMod(float v, long long m);

} // namespace ferrovane::render

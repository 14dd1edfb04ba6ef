#pragma once

#include "core/compute/render/Surface.h"
#include "core/compute/render/TScreen.h"
#include "core/values/settings/Settings.h"

namespace ferrovane::render {

inline constexpr float RulerTickLength = 20;
inline constexpr float NumberFontSize = 9;
// How far the ruler's ticks and numbers reach into the board, in layout units.
inline constexpr int RulerStripUnits = 40;

// Grid lines every GridWidth / GridHeight units across a board of w by h, the first
// at one spacing from the edge (none at 0); origin (0, 0), pen width 1, GridColor.
void SetGrid(Surface& surface, const app::Settings& settings, int w, int h);

// Ruler ticks along the top and left edges of the visible window, every fifth of the
// grid spacing, aligned with the board's grid, up to the board's far edges.
void SetMemori(Surface& surface, const app::Settings& settings, const TScreen& screen,
               int layoutWidth, int layoutHeight);

// The board coordinates of the grid lines along the top and left edges, up to the
// board's far edges, on every grid line or on every second, tenth, twentieth... where
// the labels would otherwise run into each other at this zoom.
void SetNumber(Surface& surface, const app::Settings& settings, const TScreen& screen,
               int layoutWidth, int layoutHeight);

// The spacing of the coordinate labels: the grid spacing times 1, 2, 10, 20, 100...,
// the first that leaves labels of the given extent (layout units) half an extent apart.
long long LabelStep(long long grid, float labelExtent);

// The integer remainder of v (to the nearest integer, halves to even) by m (m > 0).
long long RoundedMod(float v, long long m);

} // namespace ferrovane::render

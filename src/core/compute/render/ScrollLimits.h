#pragma once

#include "core/compute/render/View.h"
#include "core/values/model/RailIndex.h"

namespace ferrovane::render {

// TScreen from the scroll bar values and the board picture's scale size.
void SetTScreen(View& view, float scaleWidth, float scaleHeight);

// Scroll bar limits over the board and the rails together, so that every rail, on the
// board or past any of its edges (extents in layout units), can be scrolled to: a bar
// is enabled while the view is scrolled or the range reaches the window's far edge,
// with minimum = the range's near edge (0 or below) and maximum = its far edge - window
// to the nearest unit. A value outside moves back inside and TScreen follows.
void SetScrollLimits(View& view, int layoutWidth, int layoutHeight, const model::Extents& rails);

} // namespace ferrovane::render

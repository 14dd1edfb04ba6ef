#pragma once

#include "core/compute/render/View.h"
#include "core/values/model/RailIndex.h"

namespace ferrovane::render {

// TScreen from the scroll bar values and the board picture's scale size.
void SetTScreen(View& view, float scaleWidth, float scaleHeight);

// Scroll bar limits for the board size: a bar is enabled while the view is scrolled
// or the board reaches the window's far edge, with maximum = board - window to the
// nearest unit (never below 0). A value beyond a lowered maximum moves back to it and
// TScreen follows.
void SetScrollLimits(View& view, int layoutWidth, int layoutHeight);

// The same over the board and the rails together: every rail, on the board or past any
// of its edges (extents in layout units), can be scrolled to.
void SetScrollLimits(View& view, int layoutWidth, int layoutHeight, const model::Extents& rails);

} // namespace ferrovane::render

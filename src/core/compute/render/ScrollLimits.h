#pragma once

#include "core/compute/render/View.h"

namespace ferrovane::render {

// TScreen from the scroll bar values and the board picture's scale size.
void SetTScreen(View& view, float scaleWidth, float scaleHeight);

// Scroll bar limits for the board size: a bar is enabled while the view is scrolled
// or the board reaches the window's far edge, with maximum = board - window to the
// nearest unit (never below 0). A value beyond a lowered maximum moves back to it and
// TScreen follows.
void SetScrollLimits(View& view, int layoutWidth, int layoutHeight);

} // namespace ferrovane::render

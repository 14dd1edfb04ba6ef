#pragma once

#include <optional>

#include "core/compute/render/View.h"

namespace ferrovane::render {

// A wheel or touchpad scroll by (dx, dy) layout units: each enabled scroll bar moves
// within its limits and the visible window follows. True when the view moved.
bool ScrollViewBy(View& view, float dx, float dy);

// The fixed zoom menu item one step nearer (direction > 0) or farther (< 0) from the
// current zoom, or nullopt when there is no such step.
std::optional<int> ZoomStepItem(float zoom, int direction);

// After a zoom change: the scroll values that keep the layout point (layoutX, layoutY)
// under the pointer at (pixelX, pixelY) of the board, within the bars' limits.
void KeepPointUnderPointer(View& view, float layoutX, float layoutY, float pixelX, float pixelY);

} // namespace ferrovane::render

#pragma once

#include <optional>

#include "core/compute/render/View.h"

namespace ferrovane::render {

// A wheel or touchpad scroll by (dx, dy) layout units: each enabled scroll bar moves
// within its limits and the visible window follows. True when the view moved.
bool ScrollViewBy(View& view, float dx, float dy);

// One turn of a wheel (AngleX/Y in eighths of a degree, 120 a notch) or a touchpad swipe
// (PixelX/Y, taken first when given), with Shift held for a sideways scroll.
struct WheelTurn {
    int AngleX = 0, AngleY = 0;
    int PixelX = 0, PixelY = 0;
    bool Sideways = false;
};

// Scrolls the view as the turn asks: a touchpad by its pixels, a wheel by one scroll
// step (scrollWidth / scrollHeight units) a notch; turning away scrolls down or right.
// True when the view moved.
bool ScrollViewByWheel(View& view, const WheelTurn& turn, int scrollWidth, int scrollHeight);

// The fixed zoom menu item one step nearer (direction > 0) or farther (< 0) from the
// current zoom, or nullopt when there is no such step.
std::optional<int> ZoomStepItem(float zoom, int direction);

// After a zoom change: the scroll values that keep the layout point (layoutX, layoutY)
// under the pointer at (pixelX, pixelY) of the board, within the bars' limits.
void KeepPointUnderPointer(View& view, float layoutX, float layoutY, float pixelX, float pixelY);

} // namespace ferrovane::render

#include "core/compute/render/WheelView.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "core/compute/render/ScrollLimits.h"
#include "core/compute/render/Zoom.h"

namespace ferrovane::render {

namespace {

// A bar's value moved to `to` (rounded), within 0..Max; true when it changed.
bool MoveBar(ScrollBar& bar, double to) {
    if (!bar.Enabled || !std::isfinite(to)) return false;
    const int value =
        static_cast<int>(std::clamp(std::nearbyint(to), double(bar.Min), double(bar.Max)));
    if (value == bar.Value) return false;
    bar.Value = value;
    return true;
}

} // namespace

bool ScrollViewBy(View& view, float dx, float dy) {
    const bool h = MoveBar(view.HScroll, double(view.HScroll.Value) + dx);
    const bool v = MoveBar(view.VScroll, double(view.VScroll.Value) + dy);
    if (h || v) SetTScreen(view, view.Screen.Width, view.Screen.Height);
    return h || v;
}

bool ScrollViewByWheel(View& view, const WheelTurn& turn, int scrollWidth, int scrollHeight) {
    const float upp = view.UnitsPerPixel();
    float dx = 0, dy = 0;
    if (turn.PixelX != 0 || turn.PixelY != 0) {
        dx = -static_cast<float>(turn.PixelX) * upp;
        dy = -static_cast<float>(turn.PixelY) * upp;
    } else {
        dx = -static_cast<float>(turn.AngleX) / 120 * static_cast<float>(scrollWidth);
        dy = -static_cast<float>(turn.AngleY) / 120 * static_cast<float>(scrollHeight);
    }
    if (turn.Sideways) std::swap(dx, dy);
    return ScrollViewBy(view, dx, dy);
}

std::optional<int> ZoomStepItem(float zoom, int direction) {
    if (direction == 0) return std::nullopt;
    // Items 0..3 run from the nearest (100 %) to the farthest (25 %).
    const int item = NearestZoomItem(zoom) + (direction > 0 ? -1 : 1);
    const float exact = *ZoomForMenuItem(NearestZoomItem(zoom));
    // A zoom between two steps goes to the neighbouring step in the chosen direction.
    if (zoom != exact && (direction > 0) == (zoom > exact)) return NearestZoomItem(zoom);
    if (item < 0 || item >= ZoomItemFit) return std::nullopt;
    return item;
}

void KeepPointUnderPointer(View& view, float layoutX, float layoutY, float pixelX, float pixelY) {
    const double upp = view.UnitsPerPixel();
    MoveBar(view.HScroll, layoutX - pixelX * upp);
    MoveBar(view.VScroll, layoutY - pixelY * upp);
    SetTScreen(view, view.Screen.Width, view.Screen.Height);
}

} // namespace ferrovane::render

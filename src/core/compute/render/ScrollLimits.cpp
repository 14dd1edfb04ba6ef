#include "core/compute/render/ScrollLimits.h"

#include <cmath>

namespace ferrovane::render {

namespace {

int ScrollMax(int layoutSize, float visible) {
    const double m = std::nearbyint(static_cast<double>(layoutSize) - visible);
    if (!(m > 0)) return 0;
    if (m > 2147483647.0) return 2147483647;
    return static_cast<int>(m);
}

void Limit(ScrollBar& bar, float offset, float far, int layoutSize, float visible) {
    bar.Enabled = offset != 0 || static_cast<float>(layoutSize) >= far;
    if (bar.Enabled) bar.Max = ScrollMax(layoutSize, visible);
    if (bar.Value > bar.Max) bar.Value = bar.Max;
    if (bar.Value < 0) bar.Value = 0;
}

} // namespace

void SetTScreen(View& view, float scaleWidth, float scaleHeight) {
    TScreen& s = view.Screen;
    s.Left = static_cast<float>(view.HScroll.Value);
    s.Top = static_cast<float>(view.VScroll.Value);
    s.Width = scaleWidth;
    s.Height = scaleHeight;
    s.Right = s.Left + s.Width;
    s.Bottom = s.Top + s.Height;
}

void SetScrollLimits(View& view, int layoutWidth, int layoutHeight) {
    TScreen& s = view.Screen;
    Limit(view.HScroll, s.Left, s.Right, layoutWidth, s.Width);
    Limit(view.VScroll, s.Top, s.Bottom, layoutHeight, s.Height);
    SetTScreen(view, s.Width, s.Height);
}

} // namespace ferrovane::render
